#include "standins/InternedValues.hpp"

namespace orvantis::standins {

std::uint32_t InternedValues::Intern(const Variant& value) {
    CompactValue compact(value);
    if (const auto found = ids_.find(compact); found != ids_.end()) return *found;
    const auto id = static_cast<std::uint32_t>(values_.size());
    values_.push_back(std::move(compact));
    ids_.insert(id);
    return id;
}

}  // namespace orvantis::standins

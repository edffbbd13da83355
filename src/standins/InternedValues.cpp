#include "standins/InternedValues.hpp"

#include <functional>
#include <string>

namespace orvantis::standins {

std::size_t InternedValues::Hash::operator()(const Variant& value) const {
    using Kind = Variant::Kind;
    const auto kind = static_cast<std::size_t>(value.GetKind());
    if (const std::wstring* text = value.TextIf()) return std::hash<std::wstring>{}(*text) ^ kind;
    switch (value.GetKind()) {
        case Kind::Empty:
        case Kind::Null:
        case Kind::Missing:
        case Kind::Object:
        case Kind::Text: return kind;
        case Kind::Integer:
        case Kind::Long:
        case Kind::Double:
        case Kind::Boolean:
        case Kind::Date: break;
    }
    return std::hash<double>{}(value.ToDouble()) ^ kind;
}

std::uint32_t InternedValues::Intern(const Variant& value) {
    if (const auto found = ids_.find(value); found != ids_.end()) return *found;
    const auto id = static_cast<std::uint32_t>(values_.size());
    values_.push_back(value);
    ids_.insert(id);
    return id;
}

}  // namespace orvantis::standins

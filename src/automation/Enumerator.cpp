#include "automation/Enumerator.hpp"

#include <memory>

#include "automation/AutomationError.hpp"

namespace orvantis {

Variant Enumerator::Invoke(const Member& member, CallKind, std::span<Argument>) {
    throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
}

void ForEach(Object& collection, const std::function<void(const Variant&)>& visit) {
    const Variant enumerator =
        collection.Invoke(Member::FromDispatchId(kNewEnumDispatchId), CallKind::PropertyGet, {});
    auto elements = std::dynamic_pointer_cast<Enumerator>(enumerator.ToObject());
    if (!elements) throw AutomationError::Standard(errors::kMemberNotSupported, L"_NewEnum");
    while (auto element = elements->Next()) visit(*element);
}

}  // namespace orvantis

#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "automation/Object.hpp"

namespace orvantis {

// The dispatch identifier of a collection's enumerator (_NewEnum), as For Each asks for it.
inline constexpr std::int32_t kNewEnumDispatchId = -4;

// What a collection's _NewEnum returns: its elements one at a time, in the collection's
// order. On Windows it stands for an IEnumVARIANT; stand-ins implement it directly.
class Enumerator : public Object {
public:
    // The next element, or nothing at the end.
    virtual std::optional<Variant> Next() = 0;

    // An enumerator has no members callable by name.
    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override;
};

// For Each over a collection: asks it for _NewEnum and visits every element in order.
// 438 when the collection cannot be enumerated.
void ForEach(Object& collection, const std::function<void(const Variant&)>& visit);

}  // namespace orvantis

#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

#include "automation/Object.hpp"
#include "automation/Text.hpp"

namespace orvantis::standins {

// What a value of a member must be. A value of another kind is converted as IDispatch would
// convert it (a number written to a text property becomes its text); one that cannot be is
// refused with 13.
enum class ValueType { Any, Text, Long, Boolean, Date, Object };

enum class Access { Method, ReadOnly, ReadWrite };

inline constexpr std::int32_t kNamedOnly = std::numeric_limits<std::int32_t>::min();

// One row of a stand-in class's member table.
struct MemberInfo {
    std::wstring_view name;
    Access access = Access::ReadWrite;
    ValueType type = ValueType::Any;       // a property's value
    std::vector<ValueType> parameters{};   // a method's or indexed property's arguments
    std::size_t required = 0;              // how many of the parameters may not be omitted
    std::int32_t dispatchId = kNamedOnly;  // 0 (default member), -4 (_NewEnum), or one a
                                           // product's type library fixes
    Variant initial{};                     // what a property reads before anything is written
};

using MemberTable = std::span<const MemberInfo>;

// What every collection answers besides its Item: Count, and _NewEnum for For Each.
MemberInfo CountMember();
MemberInfo NewEnumMember();
// A collection's Item by 1-based position, its default member.
MemberInfo ItemByPositionMember();

// Member names of the products match whatever the letter case.
inline bool SameName(std::wstring_view a, std::wstring_view b) { return EqualsIgnoringCase(a, b); }

// The row that answers `member`, by name or by dispatch identifier; null when none does.
const MemberInfo* FindMember(MemberTable table, const Member& member);

// `value` as `type` requires; 13 when it cannot be converted, 6 when it does not fit.
Variant Coerce(const Variant& value, ValueType type);

}  // namespace orvantis::standins

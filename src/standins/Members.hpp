#pragma once

#include <cstdint>
#include <limits>
#include <optional>
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

// A member of a stand-in class as its product's type library declares it.
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

// A method whose first `required` parameters may not be omitted; without `required`, none may.
MemberInfo MethodMember(std::wstring_view name, std::vector<ValueType> parameters = {},
                        std::optional<std::size_t> required = std::nullopt);
MemberInfo ReadOnlyMember(std::wstring_view name, ValueType type);

// What every collection answers besides its Item: Count, and _NewEnum for For Each.
MemberInfo CountMember();
MemberInfo NewEnumMember();
// A collection's Item by 1-based position, its default member.
MemberInfo ItemByPositionMember();

// Member names of the products match whatever the letter case.
inline bool SameName(std::wstring_view a, std::wstring_view b) { return EqualsIgnoringCase(a, b); }

// Whether `row` is the member a caller names, by name or by dispatch identifier.
bool Answers(const MemberInfo& row, const Member& member);

// The row of `table` that answers `member`; null when none does.
template <class Row>
const Row* FindMember(std::span<const Row> table, const Member& member) {
    for (const Row& row : table) {
        if (Answers(row, member)) return &row;
    }
    return nullptr;
}

// `value` as `type` requires; 13 when it cannot be converted, 6 when it does not fit.
Variant Coerce(const Variant& value, ValueType type);

}  // namespace orvantis::standins

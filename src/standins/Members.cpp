#include "standins/Members.hpp"

#include "automation/AutomationError.hpp"
#include "automation/Enumerator.hpp"

namespace orvantis::standins {

bool Answers(const MemberInfo& row, const Member& member) {
    if (member.name.empty() && member.dispatchId) return row.dispatchId == *member.dispatchId;
    return SameName(row.name, member.name);
}

MemberInfo MethodMember(std::wstring_view name, std::vector<ValueType> parameters,
                        std::optional<std::size_t> required) {
    const std::size_t count = parameters.size();
    return {.name = name, .access = Access::Method, .parameters = std::move(parameters),
            .required = required.value_or(count)};
}

MemberInfo ReadOnlyMember(std::wstring_view name, ValueType type) {
    return {.name = name, .access = Access::ReadOnly, .type = type};
}

MemberInfo CountMember() { return ReadOnlyMember(L"Count", ValueType::Long); }

MemberInfo NewEnumMember() {
    return {.name = L"_NewEnum", .access = Access::ReadOnly, .type = ValueType::Object,
            .dispatchId = kNewEnumDispatchId};
}

MemberInfo ItemByPositionMember() {
    return {.name = L"Item", .access = Access::ReadOnly, .type = ValueType::Object,
            .parameters = {ValueType::Long}, .required = 1, .dispatchId = 0};
}

Variant Coerce(const Variant& value, ValueType type) {
    using Kind = Variant::Kind;
    const Kind kind = value.GetKind();
    if (type == ValueType::Object) {
        if (kind != Kind::Object) throw AutomationError::Standard(errors::kTypeMismatch);
        return value;
    }
    // Null, an omitted argument and an object have no value of any other type.
    if (kind == Kind::Null || kind == Kind::Missing || kind == Kind::Object) {
        if (type == ValueType::Any && kind != Kind::Missing) return value;
        throw AutomationError::Standard(errors::kTypeMismatch);
    }
    switch (type) {
        case ValueType::Text: return Variant(value.ToText());
        case ValueType::Long: return Variant(value.ToLong());
        case ValueType::Boolean: return Variant(value.ToBoolean());
        case ValueType::Date: return Variant(value.ToDate());
        case ValueType::Any:
        case ValueType::Object: break;
    }
    return value;
}

}  // namespace orvantis::standins

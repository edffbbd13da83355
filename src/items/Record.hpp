#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "automation/AutomationError.hpp"
#include "automation/Object.hpp"
#include "automation/Text.hpp"

namespace orvantis {

// One published property of an item record: its automation name and the field behind it.
template <class R>
struct PropertyInfo {
    std::wstring_view name;
    std::variant<std::wstring R::*, Variant R::*, DateValue R::*, bool R::*, std::int16_t R::*>
        field;
};

// The item records are plain property bags: C++ code uses their fields, automation callers
// (a plug-in inserter, a script) reach the same fields by name through Object. A put stores
// the value converted to the property's type, a get returns it; nothing else happens.
// R lists its properties, in slot order, in a static array named kProperties.
template <class R>
class Record : public Object {
public:
    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override {
        for (const auto& property : R::kProperties) {
            if (EqualsIgnoringCase(property.name, member.name)) {
                return std::visit(
                    [&](auto field) { return Access(static_cast<R&>(*this).*field, kind, arguments); },
                    property.field);
            }
        }
        throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
    }

private:
    static Variant Read(const Variant& value) { return value; }
    static Variant Read(const std::wstring& value) { return Variant(value); }
    static Variant Read(DateValue value) { return Variant(value); }
    static Variant Read(bool value) { return Variant(value); }
    static Variant Read(std::int16_t value) { return Variant(value); }

    static void Write(Variant& field, const Variant& value) { field = value; }
    static void Write(std::wstring& field, const Variant& value) { field = value.ToText(); }
    static void Write(DateValue& field, const Variant& value) { field = value.ToDate(); }
    static void Write(bool& field, const Variant& value) { field = value.ToBoolean(); }
    static void Write(std::int16_t& field, const Variant& value) { field = value.ToInteger(); }

    template <class Field>
    static Variant Access(Field& field, CallKind kind, std::span<Argument> arguments) {
        const bool isPut = kind == CallKind::PropertyPut || kind == CallKind::PropertyPutRef;
        if (arguments.size() != (isPut ? 1u : 0u)) {
            throw AutomationError::Standard(errors::kInvalidArgument);
        }
        if (!isPut) return Read(field);
        if (kind == CallKind::PropertyPutRef) {
            // Only the variant properties take an object reference.
            if constexpr (std::is_same_v<Field, Variant>) {
                field = Variant(arguments[0].value.ToObject());
                return {};
            } else {
                throw AutomationError::Standard(errors::kMemberNotSupported);
            }
        }
        Write(field, arguments[0].value);
        return {};
    }
};

}  // namespace orvantis

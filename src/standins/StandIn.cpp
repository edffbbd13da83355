#include "standins/StandIn.hpp"

namespace orvantis::standins {
namespace {

bool IsPut(CallKind kind) { return kind == CallKind::PropertyPut || kind == CallKind::PropertyPutRef; }

bool KindAllowed(const MemberInfo& member, CallKind kind) {
    switch (member.access) {
        case Access::Method: return kind == CallKind::Method;
        case Access::ReadOnly: return !IsPut(kind);
        case Access::ReadWrite:
            if (kind == CallKind::PropertyPutRef) return member.type == ValueType::Object;
            if (kind == CallKind::PropertyPut) return member.type != ValueType::Object;
            return true;
    }
    return false;
}

}  // namespace

StandIn::StandIn(std::shared_ptr<Ledger> ledger, std::wstring_view className, std::wstring_view source)
    : live_(std::move(ledger)), className_(className), source_(source) {}

Variant StandIn::Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) {
    const MemberInfo* row = Find(member);
    const std::wstring name = member.name.empty() && row ? std::wstring(row->name) : member.name;
    live_.ledger().calls.Add(className_, name, kind, arguments);
    if (!row) {
        const bool byId = member.name.empty() && member.dispatchId;
        throw Refusal(errors::kMemberNotSupported,
                      byId ? L"dispatch identifier " + std::to_wstring(*member.dispatchId) : name);
    }
    if (!KindAllowed(*row, kind)) {
        const wchar_t* why = row->access == Access::Method ? L" is a method" : L" cannot be set so";
        throw Refusal(errors::kMemberNotSupported, name + why);
    }
    const auto values = CheckedArguments(*row, kind, arguments);
    live_.ledger().ApplyFailureRules(className_, row->name);
    return Answer(Call{*row, name, kind, values});
}

std::vector<Variant> StandIn::CheckedArguments(const MemberInfo& member, CallKind kind,
                                               std::span<Argument> arguments) const {
    const std::size_t valueCount = IsPut(kind) ? 1 : 0;
    if (arguments.size() < valueCount || arguments.size() - valueCount > member.parameters.size()) {
        throw Refusal(errors::kWrongArgumentCount, member.name);
    }
    const std::size_t positional = arguments.size() - valueCount;
    std::vector<Variant> values;
    try {
        for (std::size_t i = 0; i < member.parameters.size(); ++i) {
            const Variant given = i < positional ? arguments[i].value : Variant::Missing();
            if (given.GetKind() == Variant::Kind::Missing) {
                if (i < member.required) throw Refusal(errors::kArgumentNotOptional, member.name);
                values.push_back(given);
            } else {
                values.push_back(Coerce(given, member.parameters[i]));
            }
        }
        if (valueCount == 1) {
            const Variant& value = arguments.back().value;
            if (value.GetKind() == Variant::Kind::Missing) {
                throw Refusal(errors::kArgumentNotOptional, member.name);
            }
            values.push_back(Coerce(value, member.type));
        }
    } catch (const AutomationError& error) {
        // A conversion error is the product's answer too, with its source.
        if (error.Source() == source_) throw;
        throw Refusal(error.Number(), member.name);
    }
    return values;
}

AutomationError StandIn::ProductError(std::wstring description) const {
    return ProductError(errors::kProductException, std::move(description));
}

std::size_t StandIn::PlaceOf(const Variant& position, std::size_t count,
                             std::wstring (*outside)(std::int32_t position)) const {
    const std::int32_t number = position.ToLong();
    if (number < 1 || static_cast<std::size_t>(number) > count) throw ProductError(outside(number));
    return static_cast<std::size_t>(number) - 1;
}

AutomationError StandIn::ProductError(std::int32_t number, std::wstring description) const {
    return AutomationError(number, std::wstring(source_), std::move(description));
}

AutomationError StandIn::Refusal(std::int32_t number, std::wstring_view detail) const {
    return ProductError(number, StandardDescription(number) + L": " + std::wstring(detail));
}

StandInEnumerator::StandInEnumerator(std::shared_ptr<Ledger> ledger, std::size_t count,
                                     std::function<Variant(std::size_t)> element)
    : live_(std::move(ledger)), count_(count), element_(std::move(element)) {}

std::optional<Variant> StandInEnumerator::Next() {
    if (next_ == count_) return std::nullopt;
    return element_(next_++);
}

}  // namespace orvantis::standins

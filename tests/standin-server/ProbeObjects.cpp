#include "ProbeObjects.hpp"

#include <charconv>
#include <cstdio>

#include "automation/AutomationError.hpp"
#include "automation/Enumerator.hpp"
#include "automation/Text.hpp"
#include "automation/Unicode.hpp"
#include "items/Record.hpp"

namespace orvantis::server {
namespace {

constexpr std::int32_t kDefaultMember = 0;
constexpr std::int32_t kFixedItemsId = 0x60020003;
constexpr std::int32_t kSubscriptOutOfRange = 9;
constexpr std::int32_t kWrongArgumentCount = 450;

bool Is(const Member& member, std::wstring_view name) {
    return !member.dispatchId && EqualsIgnoringCase(member.name, name);
}

void ExpectArguments(std::span<Argument> arguments, std::size_t count, const Member& member) {
    if (arguments.size() != count) throw AutomationError::Standard(kWrongArgumentCount, member.name);
}

class ListEnumerator final : public Enumerator {
public:
    explicit ListEnumerator(std::vector<Variant> elements) : elements_(std::move(elements)) {}
    std::optional<Variant> Next() override {
        if (next_ == elements_.size()) return std::nullopt;
        return elements_[next_++];
    }

private:
    std::vector<Variant> elements_;
    std::size_t next_ = 0;
};

class ProbeItem final : public Object {
public:
    explicit ProbeItem(std::shared_ptr<ProbeWorld::Item> fields) : fields_(std::move(fields)) {}

    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override {
        const std::wstring name = member.dispatchId == kDefaultMember ? L"Name" : member.name;
        if (member.dispatchId && *member.dispatchId != kDefaultMember) {
            throw AutomationError::Standard(errors::kMemberNotSupported);
        }
        auto field = fields_->begin();
        while (field != fields_->end() && !EqualsIgnoringCase(field->first, name)) ++field;
        if (kind == CallKind::PropertyPut) {
            ExpectArguments(arguments, 1, member);
            if (arguments[0].value.IsObject()) throw AutomationError::Standard(errors::kTypeMismatch, name);
            if (field == fields_->end()) {
                fields_->emplace_back(name, arguments[0].value);
            } else {
                field->second = arguments[0].value;
            }
            return {};
        }
        ExpectArguments(arguments, 0, member);
        if (kind == CallKind::PropertyPutRef || field == fields_->end()) {
            throw AutomationError::Standard(errors::kMemberNotSupported, name);
        }
        return field->second;
    }

private:
    std::shared_ptr<ProbeWorld::Item> fields_;
};

class ProbeItems final : public Object {
public:
    explicit ProbeItems(std::shared_ptr<ProbeWorld> world) : world_(std::move(world)) {}

    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override {
        auto& items = world_->items;
        if (kind == CallKind::PropertyPut || kind == CallKind::PropertyPutRef) {
            throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
        }
        if (member.dispatchId == kNewEnumDispatchId) {
            std::vector<Variant> elements;
            for (const auto& item : items) elements.emplace_back(ObjectRef(std::make_shared<ProbeItem>(item)));
            return Variant(ObjectRef(std::make_shared<ListEnumerator>(std::move(elements))));
        }
        if (Is(member, L"Count")) {
            ExpectArguments(arguments, 0, member);
            return Variant(static_cast<std::int32_t>(items.size()));
        }
        if (Is(member, L"Add")) {
            ExpectArguments(arguments, 0, member);
            items.push_back(std::make_shared<ProbeWorld::Item>());
            return Variant(ObjectRef(std::make_shared<ProbeItem>(items.back())));
        }
        if (Is(member, L"Item") || member.dispatchId == kDefaultMember) {
            ExpectArguments(arguments, 1, member);
            const std::int32_t index = arguments[0].value.ToLong();
            if (index < 1 || static_cast<std::size_t>(index) > items.size()) {
                throw AutomationError::Standard(kSubscriptOutOfRange);
            }
            return Variant(ObjectRef(std::make_shared<ProbeItem>(items[index - 1])));
        }
        throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
    }

private:
    std::shared_ptr<ProbeWorld> world_;
};

class ProbeApplication final : public Object {
public:
    explicit ProbeApplication(std::shared_ptr<ProbeWorld> world) : world_(std::move(world)) {}

    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override {
        if (kind == CallKind::PropertyPut || kind == CallKind::PropertyPutRef) {
            throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
        }
        if (Is(member, L"Items") || member.dispatchId == kFixedItemsId) {
            ExpectArguments(arguments, 0, member);
            return Variant(ObjectRef(std::make_shared<ProbeItems>(world_)));
        }
        if (member.dispatchId == kDefaultMember) return Variant(L"Orvantis probe");
        if (Is(member, L"WriteContact")) {
            // As a plug-in of the control: keeps the contact's names, read from the control's
            // record through its bridge, as a new item.
            ExpectArguments(arguments, 1, member);
            Object& contact = Dereference(arguments[0].value);
            auto& fields = *world_->items.emplace_back(std::make_shared<ProbeWorld::Item>());
            for (const wchar_t* name : {L"Firstname", L"Lastname"}) fields.emplace_back(name, contact.Get(name));
            return {};
        }
        if (Is(member, L"Fail")) {
            ExpectArguments(arguments, 2, member);
            throw AutomationError(arguments[0].value.ToLong(), L"Probe", arguments[1].value.ToText());
        }
        throw AutomationError::Standard(errors::kMemberNotSupported, member.name);
    }

private:
    std::shared_ptr<ProbeWorld> world_;
};

std::string JsonText(std::wstring_view text) {
    std::string json = "\"";
    for (const char c : Utf8FromWide(text)) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string JsonValue(const Variant& value) {
    char number[32];
    switch (value.GetKind()) {
        case Variant::Kind::Text: return JsonText(*value.TextIf());
        case Variant::Kind::Boolean: return value.ToBoolean() ? "true" : "false";
        case Variant::Kind::Integer:
        case Variant::Kind::Long:
        case Variant::Kind::Double: {
            const auto written = std::to_chars(number, number + sizeof number, value.ToDouble());
            return std::string(number, written.ptr);
        }
        case Variant::Kind::Date: return "{\"date\": " + JsonText(value.ToText()) + "}";
        default: return "null";
    }
}

}  // namespace

ObjectRef MakeProbe(std::shared_ptr<ProbeWorld> world) {
    return std::make_shared<ProbeApplication>(std::move(world));
}

std::string ProbeJson(const ProbeWorld& world) {
    std::string json = "{\"items\": [";
    for (std::size_t i = 0; i < world.items.size(); ++i) {
        json += i ? ",\n  {\"fields\": [" : "\n  {\"fields\": [";
        const auto& fields = *world.items[i];
        for (std::size_t f = 0; f < fields.size(); ++f) {
            json += (f ? ", {\"name\": " : "{\"name\": ") + JsonText(fields[f].first) +
                    ", \"value\": " + JsonValue(fields[f].second) + "}";
        }
        json += "]}";
    }
    return json + "]}\n";
}

}  // namespace orvantis::server

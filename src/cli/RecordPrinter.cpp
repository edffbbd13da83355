#include "cli/RecordPrinter.hpp"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "automation/DateTime.hpp"
#include "automation/Unicode.hpp"

namespace orvantis::cli {
namespace {

using Json = nlohmann::ordered_json;

Json ToJson(const std::wstring& text) { return Utf8FromWide(text); }
Json ToJson(const Variant& value) {
    if (value.IsEmpty() || value.IsObject()) return nullptr;
    return Utf8FromWide(value.ToText());
}
Json ToJson(DateValue date) {
    const CivilTime t = SplitDate(date.days);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}
Json ToJson(bool flag) { return flag; }
Json ToJson(std::int16_t number) { return number; }

template <class R>
void Print(std::ostream& out, const char* item, const std::wstring& target, const R& record) {
    Json line;
    line["item"] = item;
    line["target"] = Utf8FromWide(target);
    for (const auto& property : R::kProperties) {
        std::visit([&](auto field) { line[Utf8FromWide(property.name)] = ToJson(record.*field); },
                   property.field);
    }
    out << line.dump() << '\n';
}

}  // namespace

void RecordPrinter::Contact(AgentContactRef& contact) { Print(out_, "contact", target_, *contact); }
void RecordPrinter::Event(AgentEventRef& event) { Print(out_, "event", target_, *event); }
void RecordPrinter::Todo(AgentTodoRef& todo) { Print(out_, "todo", target_, *todo); }

}  // namespace orvantis::cli

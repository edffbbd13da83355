#include "standards/ICalendarWriter.hpp"

#include <cmath>
#include <cstdio>

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"
#include "standards/ContentLines.hpp"

namespace orvantis {
namespace {

constexpr std::string_view kProductId = "-//Orvantis//Orvantis Agent//EN";

std::string DateText(double day) {
    const CivilTime t = SplitDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.year, t.month, t.day);
    return text;
}

// Whole days of a date value (days before 1899-12-30 count backwards, the fraction forwards).
double DayOf(DateValue date) {
    const CivilTime t = SplitDate(date.days);
    return *MakeDate({t.year, t.month, t.day, 0, 0, 0});
}

// A date value 0 is what a record holds when the document gave no date.
bool IsGiven(DateValue date) { return date.days != 0; }

// Minutes before the start as a trigger: "-PT15M" fifteen minutes before, "PT5M" after.
std::string Trigger(std::wstring_view minutesText) {
    const long minutes = Variant(std::wstring(minutesText)).ToLong();
    return (minutes > 0 ? "-PT" : "PT") + std::to_string(std::labs(minutes)) + "M";
}

void AddAlarm(ContentLines& lines, std::wstring_view reminder, std::wstring_view subject) {
    if (reminder.empty()) return;
    lines.Add("BEGIN", "VALARM");
    lines.Add("ACTION", "DISPLAY");
    lines.Add("TRIGGER", Trigger(reminder));
    // A display alarm must say something.
    lines.Add("DESCRIPTION", EscapedText(subject.empty() ? L"Reminder" : subject));
    lines.Add("END", "VALARM");
}

// Outlook's importance levels (0 low, 1 normal, 2 high) as the 1-9 scale's usual three.
std::string_view PriorityOf(std::wstring_view priority) {
    if (priority == L"0") return "9";
    if (priority == L"1") return "5";
    if (priority == L"2") return "1";
    return {};
}

// Outlook's task states 0 not started, 1 in progress, 2 complete.
std::string_view StatusOf(std::int16_t state) {
    switch (state) {
        case 0: return "NEEDS-ACTION";
        case 1: return "IN-PROCESS";
        case 2: return "COMPLETED";
        default: return {};
    }
}

void AddCommon(ContentLines& lines, std::wstring_view uid, double stamp) {
    lines.Add("UID", EscapedText(uid));
    lines.Add("DTSTAMP", UtcText(stamp, DateTimeForm::Basic));
    lines.Add("SEQUENCE", "0");
}

void AddTexts(ContentLines& lines, std::wstring_view subject, std::wstring_view location,
              std::wstring_view category, std::wstring_view description, std::wstring_view notes) {
    lines.AddText("SUMMARY", subject);
    lines.AddText("LOCATION", location);
    lines.AddText("CATEGORIES", category);
    // The record's notes are what a client shows as the item's text; a description as well
    // follows them after an empty line, so neither is lost.
    std::wstring text(notes);
    if (!description.empty()) text += (text.empty() ? L"" : L"\n\n") + std::wstring(description);
    lines.AddText("DESCRIPTION", text);
}

}  // namespace

std::string ICalendarWriter::Utc(DateValue local) const {
    const auto utc = zone_.LocalToUtc(local.days);
    if (!utc) throw AutomationError::Standard(errors::kTypeMismatch, L"a date outside the zone's rules");
    return UtcText(*utc, DateTimeForm::Basic);
}

std::string ICalendarWriter::Event(const AgentEvent& e, std::wstring_view uid) const {
    ContentLines lines;
    lines.Add("BEGIN", "VEVENT");
    AddCommon(lines, uid, stamp_);
    if (e.FullDay) {
        // A run of whole days ends on the day after the last one: a one-day event on the
        // 14th ends on the 15th. An end at midnight already names that next day.
        const double first = DayOf(e.StarDate);
        double last = IsGiven(e.EndDate) ? DayOf(e.EndDate) : first;
        if (!IsGiven(e.EndDate) || e.EndDate.days != last) last += 1;
        if (last <= first) last = first + 1;
        lines.Add("DTSTART;VALUE=DATE", DateText(first));
        lines.Add("DTEND;VALUE=DATE", DateText(last));
    } else {
        lines.Add("DTSTART", Utc(e.StarDate));
        // An end before the start has no place: the standard wants it later.
        if (IsGiven(e.EndDate) && e.EndDate.days > e.StarDate.days) lines.Add("DTEND", Utc(e.EndDate));
    }
    AddTexts(lines, e.Subject, e.Location, e.Category, e.Description, e.Notes);
    AddAlarm(lines, e.Reminder, e.Subject);
    lines.Add("END", "VEVENT");
    return std::move(lines).Text();
}

std::string ICalendarWriter::Todo(const AgentTodo& t, std::wstring_view uid) const {
    ContentLines lines;
    lines.Add("BEGIN", "VTODO");
    AddCommon(lines, uid, stamp_);
    if (IsGiven(t.StarDate)) lines.Add("DTSTART", Utc(t.StarDate));
    // The standard wants the due time after the start; an earlier one has no place.
    if (IsGiven(t.EndDate) && (!IsGiven(t.StarDate) || t.EndDate.days > t.StarDate.days)) {
        lines.Add("DUE", Utc(t.EndDate));
    }
    AddTexts(lines, t.Subject, t.Location, t.Category, t.Description, t.Notes);
    if (const auto status = StatusOf(t.Status); !status.empty()) lines.Add("STATUS", status);
    if (const auto priority = PriorityOf(t.Priority); !priority.empty()) lines.Add("PRIORITY", priority);
    // A trigger counts from the start, which a task may lack.
    if (IsGiven(t.StarDate)) AddAlarm(lines, t.Reminder, t.Subject);
    lines.Add("END", "VTODO");
    return std::move(lines).Text();
}

std::string ICalendarWriter::Calendar(const std::vector<std::string>& components) {
    ContentLines lines;
    lines.Add("BEGIN", "VCALENDAR");
    lines.Add("VERSION", "2.0");
    lines.Add("PRODID", kProductId);
    lines.Add("CALSCALE", "GREGORIAN");
    for (const auto& component : components) lines.Append(component);
    lines.Add("END", "VCALENDAR");
    return std::move(lines).Text();
}

}  // namespace orvantis

#include <gtest/gtest.h>

#include "automation/DateTime.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "standards/ICalendarWriter.hpp"
#include "standards/ItemUids.hpp"
#include "standards/VCardWriter.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

DateValue At(int year, int month, int day, int hour = 0, int minute = 0) {
    return {*MakeDate({year, month, day, hour, minute, 0})};
}

bool Has(const std::string& text, const std::string& line) {
    return text.find("\r\n" + line + "\r\n") != std::string::npos;
}

// Has the line or, for none, nothing named `name`.
bool HasOrLacks(const std::string& text, const std::string& line, const char* name) {
    return line.empty() ? text.find(name) == std::string::npos : Has(text, line);
}

class WritersTest : public ::testing::Test {
protected:
    test::FakeTimeZone zone_;  // UTC+1, +2 from April to September
    ICalendarWriter writer_{zone_, *MakeDate({2026, 12, 7, 6, 30, 5})};
};

TEST_F(WritersTest, FullDayEventsEndOnTheDayAfterTheirLast) {
    const std::tuple<DateValue, DateValue, const char*> cases[] = {
        {At(2026, 12, 14), At(2026, 12, 14), "20261215"},
        {At(2026, 12, 14, 9), At(2026, 12, 14, 17), "20261215"},
        {At(2026, 12, 14), At(2026, 12, 15), "20261215"},  // midnight already names the next day
        {At(2026, 12, 14), At(2026, 12, 16, 10), "20261217"},
        {At(2026, 12, 14), {}, "20261215"},
        {At(2026, 12, 14), At(2026, 12, 1), "20261215"},
    };
    for (const auto& [start, end, last] : cases) {
        AgentEvent event;
        event.FullDay = true;
        event.StarDate = start;
        event.EndDate = end;
        const std::string text = writer_.Event(event, L"u");
        EXPECT_TRUE(Has(text, std::string("DTSTART;VALUE=DATE:20261214\r\nDTEND;VALUE=DATE:") + last)) << text;
    }
}

TEST_F(WritersTest, TimesAreWrittenInUtcByTheRulesAtTheirDate) {
    AgentEvent event;
    event.StarDate = At(2026, 3, 31, 22, 30);  // winter: UTC+1
    event.EndDate = At(2026, 4, 1, 1, 15);      // summer: UTC+2
    const std::string text = writer_.Event(event, L"u");
    EXPECT_TRUE(Has(text, "DTSTART:20260331T213000Z")) << text;
    EXPECT_TRUE(Has(text, "DTEND:20260331T231500Z")) << text;
    EXPECT_TRUE(Has(text, "DTSTAMP:20261207T063005Z")) << text;

    // An end that is not after the start has no place.
    event.EndDate = event.StarDate;
    EXPECT_EQ(writer_.Event(event, L"u").find("DTEND"), std::string::npos);

    // A date the zone cannot convert is the documents' own conversion error.
    event.StarDate = At(1850, 1, 1);
    EXPECT_EQ(ErrorNumberOf([&] { writer_.Event(event, L"u"); }), errors::kTypeMismatch);
}

TEST_F(WritersTest, RemindersBecomeDisplayAlarmsCountedFromTheStart) {
    for (const auto& [reminder, trigger] :
         {std::pair{L"15", "TRIGGER:-PT15M"}, {L"0", "TRIGGER:PT0M"}, {L"-5", "TRIGGER:PT5M"}, {L"", ""}}) {
        AgentEvent event;
        event.StarDate = At(2026, 12, 14, 10);
        event.Subject = L"Review";
        event.Reminder = reminder;
        const std::string text = writer_.Event(event, L"u");
        const std::string alarm = std::string("BEGIN:VALARM\r\nACTION:DISPLAY\r\n") + trigger +
                                  "\r\nDESCRIPTION:Review\r\nEND:VALARM";
        EXPECT_TRUE(HasOrLacks(text, *trigger ? alarm : "", "VALARM")) << text;
    }
}

TEST_F(WritersTest, TasksTakeOutlooksImportanceAndStateOnTheStandardsScales) {
    for (const auto& [priority, state, priorityLine, statusLine] :
         {std::tuple{L"0", 0, "PRIORITY:9", "STATUS:NEEDS-ACTION"}, {L"1", 1, "PRIORITY:5", "STATUS:IN-PROCESS"},
          {L"2", 2, "PRIORITY:1", "STATUS:COMPLETED"}, {L"high", 3, "", ""}}) {
        AgentTodo todo;
        todo.Priority = priority;
        todo.Status = static_cast<std::int16_t>(state);
        todo.EndDate = At(2026, 12, 18, 17);
        const std::string text = writer_.Todo(todo, L"u");
        EXPECT_TRUE(Has(text, "DUE:20261218T160000Z")) << text;
        EXPECT_EQ(text.find("DTSTART"), std::string::npos) << text;
        EXPECT_TRUE(HasOrLacks(text, priorityLine, "PRIORITY") && HasOrLacks(text, statusLine, "STATUS")) << text;
    }
}

TEST(VCardWriter, KeepsAPictureOnlyWhenItIsHexadecimalTextOfAnImage) {
    const std::pair<const wchar_t*, const char*> cases[] = {
        {L"47494638396101", "PHOTO;ENCODING=b;TYPE=GIF:R0lGODlhAQ=="},
        {L"89504e470d0a1a0a", "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo="},
        {L"FFD8FFE0", "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4A=="},
        {L"4749463839610", ""},   // an odd digit
        {L"474946383961zz", ""},  // not hexadecimal
        {L"00112233", ""},        // not an image
    };
    for (const auto& [hex, photo] : cases) {
        AgentContact contact;
        contact.Lastname = L"Martin";
        contact.PictureData = hex;
        const std::string card = VCard(contact, L"u", 0);
        EXPECT_TRUE(Has(card, "N:Martin;;;;")) << card;
        EXPECT_TRUE(HasOrLacks(card, photo, "PHOTO")) << card;
    }
}

TEST(ItemUids, AreTheItemsOwnIdentifiersOrDerivedFromTheirNamingFields) {
    AgentEvent event;
    event.Subject = L"Review";
    event.StarDate = At(2026, 12, 14, 10);
    AgentEvent sameNamed = event;
    sameNamed.Location = L"elsewhere";
    AgentEvent later = event;
    later.StarDate = At(2026, 12, 15, 10);
    AgentEvent identified = event;
    identified.OrvantisID = L"E-1";

    ItemUids first;
    const std::wstring uid = first.Of(event);
    EXPECT_EQ(uid.rfind(L"orvantis-", 0), 0u);
    // Within one document the same fields name a second item, which must not share the UID.
    EXPECT_EQ(first.Of(sameNamed), uid + L"-2");
    EXPECT_NE(first.Of(later), uid);
    EXPECT_EQ(first.Of(identified), L"E-1");

    // The next load of the same document gives the same UIDs and so the same file names.
    ItemUids second;
    EXPECT_EQ(second.Of(event), uid);
    EXPECT_EQ(second.Of(sameNamed), uid + L"-2");
    second.Of(later);
    second.Of(identified);
    EXPECT_EQ(second.Digest(), first.Digest());
    second.Of(AgentContact{});
    EXPECT_NE(second.Digest(), first.Digest());
}

}  // namespace
}  // namespace orvantis

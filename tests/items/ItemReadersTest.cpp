#include "items/ItemReaders.hpp"

#include <gtest/gtest.h>

#include "automation/DateTime.hpp"
#include "control/Request.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

class CollectingSink : public RecordSink {
public:
    void Contact(AgentContactRef& contact) override { contacts.push_back(contact); order += 'c'; }
    void Event(AgentEventRef& event) override { events.push_back(event); order += 'e'; }
    void Todo(AgentTodoRef& todo) override { todos.push_back(todo); order += 't'; }

    std::vector<AgentContactRef> contacts;
    std::vector<AgentEventRef> events;
    std::vector<AgentTodoRef> todos;
    std::string order;
};

class ItemReadersTest : public ::testing::Test {
protected:
    CollectingSink Read(const std::wstring& text) {
        CollectingSink sink;
        auto request = ParseRequest(host_.Get(), text);
        EXPECT_TRUE(request.has_value()) << "the document did not parse";
        if (request) ReadItems(request->document, sink);
        return sink;
    }
    std::int32_t ErrorReading(const std::wstring& text, CollectingSink& sink) {
        return ErrorNumberOf([&] {
            auto request = ParseRequest(host_.Get(), text);
            ReadItems(request->document, sink);
        });
    }

    test::TestHost host_;
};

// Absent fields read as empty in the golden outputs; here, a repeated field, an unknown one,
// and the kinds read in turn rather than in document order.
TEST_F(ItemReadersTest, LetsTheLastRepeatWinSkipsUnknownFieldsAndReadsContactsFirst) {
    const auto sink = Read(
        L"<r><todo><category>ignored</category><id>7</id></todo><contact><phone>1</phone>"
        L"<phone>2</phone><shoe>9</shoe></contact></r>");
    EXPECT_EQ(sink.order, "ct");
    EXPECT_EQ(sink.contacts.at(0)->PersonalPhone, Variant(L"2"));
    EXPECT_EQ(sink.todos.at(0)->Category, L"");
}

// Which element lands in which field is pinned by the golden outputs of the examples; here,
// what those documents do not show: trimming, the conversions, and the line breaks and plain
// text of markup inside a field.
TEST_F(ItemReadersTest, TrimsConvertsAndKeepsLineBreaksAndTheTextOfMarkup) {
    const auto sink = Read(
        L"<r><contact><notes>first<br/>second <em>big</em> news<br />!</notes></contact><event><subject> Review </subject><start>20060315T103000</start>"
        L"<reminder> 015 </reminder><full-day>1</full-day></event><event><reminder>2.5</reminder></event>"
        L"<todo><priority> high </priority><state>-2</state></todo></r>");
    const AgentEvent& e = *sink.events.at(0);
    EXPECT_EQ(e.Subject, L"Review");
    EXPECT_EQ(SplitDate(e.StarDate.days), (CivilTime{2006, 3, 15, 10, 30, 0}));
    EXPECT_EQ(e.Reminder, L"15");
    EXPECT_TRUE(e.FullDay);
    EXPECT_FALSE(sink.events.at(1)->FullDay);
    EXPECT_EQ(sink.events.at(1)->Reminder, L"2");  // an exact half goes to the even neighbour
    EXPECT_EQ(sink.todos.at(0)->Priority, L"high");  // trimmed as every field's text is, otherwise unchanged
    EXPECT_EQ(sink.todos.at(0)->Status, -2);
    EXPECT_EQ(sink.contacts.at(0)->Notes, L"first\nsecond big news!");
}

// Contacts are read first: the contacts before a failing one are delivered, and every
// contact before a failing event or task; the failing item never is.
TEST_F(ItemReadersTest, StopsAtAChildThatIsNotAnElementOrAValueThatDoesNotConvert) {
    const std::tuple<const wchar_t*, std::int32_t, const char*> cases[] = {
        {L"<contact><id>2</id>stray text</contact>", 13, "c"},
        {L"<contact><id>2</id><?pi x?></contact>", 13, "c"},
        {L"<event><full-day>yes</full-day></event>", 13, "cc"},
        {L"<event><reminder>40000</reminder></event>", 6, "cc"},
        {L"<todo><state></state></todo>", 13, "cc"},
        {L"<todo><end>tomorrow</end></todo>", 13, "cc"},
    };
    for (const auto& [item, number, delivered] : cases) {
        CollectingSink sink;
        const std::wstring text = std::wstring(L"<r><contact><id>1</id></contact>") + item + L"<contact/></r>";
        EXPECT_EQ(ErrorReading(text, sink), number) << item;
        EXPECT_EQ(sink.order, delivered) << item;
        EXPECT_EQ(sink.contacts.at(0)->OrvantisID, L"1");
    }
}

}  // namespace
}  // namespace orvantis

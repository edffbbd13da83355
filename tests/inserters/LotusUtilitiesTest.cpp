#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "StandInTest.hpp"
#include "automation/DateTime.hpp"
#include "inserters/notes/LotusUtilities.hpp"
#include "standins/notes/NotesWorld.hpp"

namespace orvantis::test {
namespace {

using namespace LotusUtilities;
using Login = standins::NotesWorld::Login;

class NotesTest : public StandInTest {
protected:
    standins::NotesWorld& notes() { return sandbox.WorldOf<standins::NotesWorld>(); }
    std::vector<standins::Item>& Book() { return notes().Database(L"names.nsf").items; }
    std::vector<standins::Item>& Mail() { return notes().Database(L"mail.nsf").items; }

    // An item's value as text: a date-time's text, a rich text's text and attachments.
    static std::wstring Value(const standins::Item& document, std::wstring_view name) {
        const auto* field = document.Find(name);
        if (!field || !field->ProductValue()) return FieldText(document, name);
        const auto& product = *field->ProductValue();
        std::string text = product.contains("datetime")
                               ? product["datetime"].get<std::string>()
                               : product["richtext"]["text"].get<std::string>();
        if (product.contains("richtext")) {
            for (const auto& attachment : product["richtext"]["attachments"]) {
                text += " [" + attachment["name"].get<std::string>() + " " +
                        attachment["bytes"].get<std::string>() + "]";
            }
        }
        return std::wstring(text.begin(), text.end());
    }
    static DateValue Date(int year, int month, int day, int hour, int minute) {
        return DateValue{*MakeDate(CivilTime{year, month, day, hour, minute, 0})};
    }
    std::vector<std::wstring> Calls(std::wstring_view member) {
        return StandInTest::Calls(notes().ledger, member);
    }
};

// Which item a contact field goes to, and in which order, is pinned by the sandbox golden of
// the command line's test; here, which document a contact updates and how it is found.
TEST_F(NotesTest, AContactUpdatesTheFirstDocumentOfItsIdentifierAndNoOther) {
    // The user's own documents carry no identifier; one earlier contact's identifier is what
    // an unescaped "C:\x" would read as.
    for (const wchar_t* own : {L"own contact", L"own group"}) {
        Book().push_back(
            {L"Document", {standins::Field(L"LastName", Variant(own))}, ++notes().lastDocumentId});
    }
    const std::pair<const wchar_t*, const wchar_t*> writes[] = {
        {L"C:x", L"plain"},
        {L"A1", L"first A1"},
        {L"", L"no id"},
        {L"say \"hi\"", L"quoted"},
        {L"C:\\x", L"backslash"},
        {L"", L"no id again"},
        {L"A1", L"updated A1"},
        {L"say \"hi\"", L"quoted again"},
        {L"C:\\x", L"backslash again"},
    };
    for (const auto& [id, name] : writes) {
        if (std::wstring(name) == L"updated A1") Book()[7].Write(L"OrvantisID", Variant(L"A1"));
        AgentContact contact = Contact(id, name);
        contact.PictureData = L"4749";
        WriteNotesContact(host(), contact);
    }
    std::vector<std::wstring> names;
    for (const auto& document : Book()) names.push_back(Value(document, L"LastName"));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"own contact", L"own group", L"plain",
                                                L"updated A1", L"no id", L"quoted again",
                                                L"backslash again", L"no id again"}));
    EXPECT_EQ(Value(Book()[0], L"Form"), L"(not written)");
    // An update replaces the notes and the picture instead of adding them again.
    EXPECT_EQ(std::count_if(Book()[3].fields.begin(), Book()[3].fields.end(),
                            [](const auto& f) { return f.name == L"Briefcase" || f.name == L"Comment"; }),
              2);
    // The identifier reaches Search escaped; a contact's session starts with an empty
    // password and its document is validated and saved as Notes' own forms expect.
    EXPECT_EQ(Calls(L"Search")[3], L"OrvantisID = \"C:\\\\x\";(object);0;");
    EXPECT_EQ(Calls(L"Initialize").front(), L";");
    EXPECT_EQ(Calls(L"ComputeWithForm").front(), L"True;True;");
    EXPECT_EQ(Calls(L"Save").front(), L"True;True;False;");
}

TEST_F(NotesTest, APictureIsAttachedUnderTheNameUsersSeeFromAFolderOfItsOwn) {
    // First, last and company name, picture; the FullName and Comment (the attachment) written.
    const std::array<const wchar_t*, 6> cases[] = {
        {L"", L"", L"Acme", L"FFD8F", L" ", L" [Acme.gif ffd80f]"},
        {L"Ann", L"", L"Acme", L"FFzz01", L"Ann ", L" [Ann .gif ff01]"},
        {L"", L"../../etc/passwd", L"", L"41", L" ../../etc/passwd",
         L" [ .._.._etc_passwd.gif 41]"},
        {L"", L"", L"a*b?<c>", L"41", L" ", L" [a_b__c_.gif 41]"},
        {L"", L"", L"Acme", L"", L" ", L"(not written)"},
    };
    for (const auto& [first, last, company, hex, fullName, comment] : cases) {
        Book().clear();
        AgentContact contact = Contact(L"", last);
        contact.Firstname = first;
        contact.CompanyName = company;
        contact.PictureData = hex;
        WriteNotesContact(host(), contact);
        ASSERT_EQ(Book().size(), 1u) << company;
        EXPECT_EQ(Fields(Book()[0], {L"FullName", L"Comment"}, &Value), std::wstring(fullName) + L"|" + comment);
    }
    // Each picture was written into a fresh folder, and both are gone.
    ASSERT_EQ(files.made.size(), 8u);
    for (std::size_t i = 0; i < files.made.size(); i += 2) {
        EXPECT_TRUE(files.made[i + 1].starts_with(files.made[i]));
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(files.made[i])));
    }
}

// One that will not start at all, a box per item and nothing written, is the command line's
// golden. This one starts only without a password: the contacts' sessions, which pass one,
// fail each with a box, shown once the session is released; the mail still goes.
TEST_F(NotesTest, ASessionThatWillNotStartIsReportedOncePerItemAndWritesNothing) {
    notes().refusalNumber = 4063;
    notes().login = Login::WithoutArgument;
    test.ui.onShow = [&] { EXPECT_EQ(sandbox.LiveObjects(), 0u); };
    for (int i = 0; i < 3; ++i) WriteNotesContact(host(), Contact(L"", L"x"));
    WriteNotesAppointment(host(), AgentEvent{});
    WriteNotesTask(host(), AgentTodo{});
    EXPECT_TRUE(Book().empty());
    EXPECT_EQ(Mail().size(), 2u);
    ASSERT_EQ(test.ui.boxes.size(), 3u);
    for (const auto& box : test.ui.boxes) EXPECT_EQ(box.style, 48);
}

TEST_F(NotesTest, AFailedStepIsPassedOverSilently) {
    const auto fail = [&](const wchar_t* object, const wchar_t* member) {
        Fail(notes().ledger, object, member, -2147217504);
    };
    // What fails; the contacts and mail documents written after; the contact's Comment.
    const std::tuple<std::function<void()>, std::size_t, std::size_t, const wchar_t*> cases[] = {
        {[&] { notes().databases.erase(notes().databases.begin()); }, 0, 2, nullptr},
        {[&] { notes().databases.pop_back(); }, 1, 0, L" [ P.gif 41]"},
        {[&] { fail(L"NotesDatabase", L"Search"); }, 0, 2, nullptr},
        {[&] { notes().validationFailure = L"Name required"; }, 1, 2, L" [ P.gif 41]"},
        {[&] { files.refuseWrites = true; }, 1, 2, L""},  // the Comment without its picture
        {[&] { fail(L"NotesDocument", L"ReplaceItemValue"); }, 1, 2, L" [ P.gif 41]"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [arrange, written, mailed, comment] = cases[i];
        sandbox.WorldOf<standins::NotesWorld>() = standins::NotesWorld();
        files.refuseWrites = false;
        arrange();
        AgentContact contact = Contact(L"C-1", L"P");
        contact.PictureData = L"41";
        EXPECT_EQ(ErrorNumberOf([&] { WriteNotesContact(host(), contact); }), 0) << i;
        EXPECT_EQ(ErrorNumberOf([&] { WriteNotesAppointment(host(), AgentEvent{}); }), 0) << i;
        EXPECT_EQ(ErrorNumberOf([&] { WriteNotesTask(host(), AgentTodo{}); }), 0) << i;
        const auto book = notes().FindDatabase(L"names.nsf");
        const auto& contacts =
            book ? notes().databases[*book].items : std::vector<standins::Item>{};
        ASSERT_EQ(contacts.size(), written) << i;
        const auto mail = notes().FindDatabase(L"mail.nsf");
        EXPECT_EQ(mail ? notes().databases[*mail].items.size() : 0u, mailed) << i;
        if (comment) {
            EXPECT_EQ(Value(contacts[0], L"Comment"), comment) << i;
        }
        EXPECT_TRUE(test.ui.boxes.empty()) << i;
    }
}

TEST_F(NotesTest, AppointmentsPutTheDayBeforeTheMonthAndSetTheAlarmFromAPositiveReminder) {
    AgentEvent event;
    event.StarDate = Date(2005, 12, 31, 23, 59);
    event.EndDate = Date(2006, 1, 1, 0, 0);
    event.FullDay = true;
    for (const wchar_t* reminder : {L"2.5", L"-5", L"soon"}) {
        Mail().clear();
        event.Reminder = reminder;
        WriteNotesAppointment(host(), event);
        WriteNotesAppointment(host(), event);  // never matched: a second document
        ASSERT_EQ(Mail().size(), 2u) << reminder;
        EXPECT_EQ(Fields(Mail()[0], {L"StartDateTime", L"EndDateTime", L"CalendarDateTime",
                                     L"AppointmentType", L"$Alarm", L"$AlarmOffset"}, &Value),
                  std::wstring(L"2005-31-12 23:59:00|2006-1-1 0:0:00|2005-31-12 23:59:00|2|") +
                            (*reminder == L'2' ? L"1|-2.5" : L"(not written)|(not written)"))
            << reminder;
    }
    EXPECT_EQ(Calls(L"Initialize").front(), L"");  // no argument at all
    EXPECT_EQ(Calls(L"Save").front(), L"True;False;False;");
}

// "high" and state 1 are the sandbox golden's.
TEST_F(NotesTest, TasksMapOnlyTheKnownPrioritiesAndStates) {
    for (const auto& [priority, status, written] :
         {std::tuple{L"0", 0, L"3|0"}, {L"2", 2, L"1|9"}, {L" 1", 3, L"(not written)|(not written)"}}) {
        Mail().clear();
        AgentTodo todo;
        todo.Priority = priority;
        todo.Status = static_cast<std::int16_t>(status);
        WriteNotesTask(host(), todo);
        ASSERT_EQ(Mail().size(), 1u);
        EXPECT_EQ(Fields(Mail()[0], {L"Importance", L"DueState"}, &Value), written) << priority;
    }
}

// A launch that fails is reported by the launcher alone and does not fail the preparation.
// Where there is no component registry nothing is run: the command line's golden.
TEST_F(NotesTest, TheLibraryIsRegisteredFromNotesOwnFolder) {
    test.shell.failWith = 53;
    test.registry.values[{RegistryRoot::LocalMachine, L"Software\\Lotus\\Notes", L"Path"}] =
        L"D:\\Notes\\";
    EXPECT_NO_THROW(RegisterNotesLibrary(host()));
    ASSERT_EQ(test.shell.runs.size(), 1u);
    EXPECT_EQ(test.shell.runs[0],
              std::pair(std::wstring(L"regsvr32 /s \"D:\\Notes\\nlsxbe.dll\""), 1));
    EXPECT_EQ(test.ui.boxes.size(), 1u);
}

}  // namespace
}  // namespace orvantis::test

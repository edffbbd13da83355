#include "inserters/outlook/OutlookUtilities.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "StandInTest.hpp"
#include "support/ConfigUtilities.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::test {
namespace {

using namespace OutlookUtilities;

class OutlookTest : public StandInTest {
protected:
    standins::OutlookWorld& outlook() { return sandbox.WorldOf<standins::OutlookWorld>(); }
    std::vector<standins::Item>& Folder(std::int32_t id) {
        return outlook().DefaultFolderContainer(id).items;
    }
    void Fail(std::wstring object, std::wstring member, std::int32_t number = errors::kProductException) {
        StandInTest::Fail(outlook().ledger, std::move(object), std::move(member), number);
    }
};

TEST_F(OutlookTest, ContactsAreMatchedByTheirIdentifierAlone) {
    // Existing contacts: two share an identifier, one has an apostrophe, one has none.
    for (const auto& [id, name] : {std::pair{L"A1", L"first A1"}, {L"A2", L"second A1"},
                                   {L"O'Brien", L"old O'Brien"}, {L"", L"no id"}}) {
        WriteOutlookContact(host(), Contact(id, name));
    }
    Folder(10)[1].Write(L"CustomerID", Variant(L"A1"));
    WriteOutlookContact(host(), Contact(L"A1", L"updated A1"));         // the last match wins
    WriteOutlookContact(host(), Contact(L"O'Brien", L"new O'Brien"));  // found, not duplicated
    WriteOutlookContact(host(), Contact(L"x' or 'a'='a", L"wider"));   // matches nothing: new
    WriteOutlookContact(host(), Contact(L"", L"no id again"));         // never searched: new
    std::vector<std::wstring> names;
    for (const auto& item : Folder(10)) names.push_back(FieldText(item, L"LastName"));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"first A1", L"updated A1", L"new O'Brien",
                                                 L"no id", L"wider", L"no id again"}));
}

TEST_F(OutlookTest, PicturesByVersionInAFileOfTheirOwnDeletedAfterwards) {
    // Outlook's version, the picture; its bytes as the stand-in keeps them, or null for none.
    const std::tuple<const wchar_t*, const wchar_t*, const char*> cases[] = {
        {L"11.0.5510", L"4a4B4", "4a4b04"},  // either case; an odd length ends on one digit
        {L"11.0", L"41zz42", "4142"},       // a piece that is not hexadecimal gives no byte
        {L"10.0.2627", L"474946", nullptr},
        {L"9.11.", L"474946", nullptr},      // "11." inside the version is not version 11
        {L"16.0", L"", nullptr},
    };
    for (const auto& [version, hex, attached] : cases) {
        outlook().version = version;
        Folder(10).clear();
        AgentContact contact = Contact(L"", L"Pic");
        contact.PictureData = hex;
        WriteOutlookContact(host(), contact);
        ASSERT_EQ(Folder(10).size(), 1u) << version;
        const auto* picture = Folder(10)[0].Find(L"Picture");
        EXPECT_EQ(picture ? picture->ProductValue()->dump() : "none",
                  attached ? std::string("{\"picture\":{\"bytes\":\"") + attached + "\"}}" : "none") << version;
    }
    // Each picture was written into a file of its own, and every one is gone.
    ASSERT_EQ(files.made.size(), 2u);
    for (const auto& made : files.made) EXPECT_FALSE(std::filesystem::exists(made));
}

TEST_F(OutlookTest, AFailedContactStepIsPassedOverAndAnyOtherReachesTheCaller) {
    // A refused property and a refused log-off cost those steps alone.
    Fail(L"ContactItem", L"JobTitle");
    Fail(L"NameSpace", L"Logoff");
    AgentContact contact = Contact(L"", L"Kept");
    contact.JobTitle = L"lost";
    bool stored = false;
    EXPECT_EQ(ErrorNumberOf([&] { stored = WriteOutlookContact(host(), contact); }), 0);
    EXPECT_TRUE(stored);
    ASSERT_EQ(Folder(10).size(), 1u);
    EXPECT_EQ(FieldText(Folder(10)[0], L"JobTitle"), L"(not written)");
    EXPECT_EQ(FieldText(Folder(10)[0], L"CustomerID"), L"");

    // A refused save stores nothing, silently, and says so to the load's count.
    Fail(L"ContactItem", L"Save");
    EXPECT_EQ(ErrorNumberOf([&] { stored = WriteOutlookContact(host(), contact); }), 0);
    EXPECT_FALSE(stored);
    EXPECT_EQ(Folder(10).size(), 1u);

    // Appointments and tasks catch nothing: Outlook's own error reaches the caller unchanged.
    Fail(L"AppointmentItem", L"Save", 4242);
    Fail(L"TaskItem", L"Subject", 4343);
    EXPECT_EQ(ErrorNumberOf([&] { WriteOutlookAppointment(host(), AgentEvent{}); }), 4242);
    EXPECT_EQ(ErrorNumberOf([&] { WriteOutlookTask(host(), AgentTodo{}); }), 4343);
    EXPECT_TRUE(Folder(9).empty() && Folder(13).empty());
}

TEST_F(OutlookTest, TheChosenContactFolderTakesTheContactsWhenItExists) {
    for (const auto& [setting, folder] : {std::pair{L"1", L"Business Contacts"}, {L"-1", L"Contacts"},
                                          {L"7", L"Contacts"}, {L"two", L"Contacts"}}) {
        ConfigUtilities::SaveOutlookAddressBook(host(), setting);
        WriteOutlookContact(host(), Contact(L"B1", setting));
        std::wstring where;
        for (const auto& container : outlook().stores[0].containers) {
            for (const auto& item : container.items) where += FieldText(item, L"LastName") == setting ? container.name : L"";
        }
        EXPECT_EQ(where, folder) << setting;
    }
    // The identifier was searched in the chosen folder: the later ones did not update its contact.
    EXPECT_EQ(outlook().stores[0].containers[3].items.size(), 1u);
}

TEST_F(OutlookTest, AppointmentRemindersAndTaskImportanceAndStatusFromWhatOutlookKnows) {
    // Reminder; error; ReminderSet and ReminderMinutesBeforeStart as written last.
    for (const auto& [reminder, error, written] :
         {std::tuple{L"0", 0, L"False|(not written)"}, {L"0.3", 0, L"True|0"}, {L"", 0, L"False|(not written)"},
          {L"soon", 13, L""}}) {
        Folder(9).clear();
        AgentEvent event;
        event.Subject = L"Review";
        event.FullDay = true;
        event.Reminder = reminder;
        EXPECT_EQ(ErrorNumberOf([&] { WriteOutlookAppointment(host(), event); }), error) << reminder;
        ASSERT_EQ(Folder(9).size(), error ? 0u : 1u) << reminder;
        if (!error) {
            EXPECT_EQ(Fields(Folder(9)[0], {L"ReminderSet", L"ReminderMinutesBeforeStart", L"AllDayEvent"}),
                      std::wstring(written) + L"|True");
        }
    }
    // Priority; status; Importance and Status as written.
    for (const auto& [priority, status, written] :
         {std::tuple{L"0", 0, L"0|0"}, {L"3", 7, L"(not written)|(not written)"},
          {L"01", -1, L"(not written)|(not written)"}}) {
        Folder(13).clear();
        AgentTodo todo;
        todo.Priority = priority;
        todo.Status = static_cast<std::int16_t>(status);
        WriteOutlookTask(host(), todo);
        ASSERT_EQ(Folder(13).size(), 1u);
        EXPECT_EQ(Fields(Folder(13)[0], {L"Importance", L"Status"}), written) << priority;
    }
    EXPECT_EQ(outlook().logons, 3u);  // each task logs on; an appointment never does
}

}  // namespace
}  // namespace orvantis::test

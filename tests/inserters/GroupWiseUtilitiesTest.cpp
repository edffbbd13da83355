#include <gtest/gtest.h>

#include "StandInTest.hpp"
#include "exports/ContactSamples.hpp"
#include "inserters/groupwise/GroupWiseDialog.hpp"
#include "inserters/groupwise/GroupWiseUtilities.hpp"
#include "standins/groupwise/GroupWiseWorld.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::test {
namespace {

using namespace GroupWiseUtilities;

constexpr std::int32_t kGroupWiseFailure = errors::kProductException;

PresetAnswer Press(DialogAnswer::Button button, int line = -1) {
    return {button, {}, {{L"List1", line}}, {}};
}

class GroupWiseTest : public StandInTest {
protected:
    void TearDown() override {
        // The thread's dialog outlives a test: closed, it lists afresh for the next one.
        if (ThreadDialog<GroupWiseDialog>().IsLoaded()) ShowGroupWiseDialog(host());
        StandInTest::TearDown();
    }

    Host& host() { return test.Get(); }
    standins::GroupWiseWorld& groupwise() { return sandbox.WorldOf<standins::GroupWiseWorld>(); }
    std::vector<standins::GroupWiseEntry>& Entries(std::size_t book) {
        return groupwise().addressBooks.at(book).entries;
    }
    std::wstring Setting() { return ConfigUtilities::GetGroupWiseAddressBook(host()).ToText(); }
    void Choose(const wchar_t* position) {
        ConfigUtilities::SaveGroupWiseAddressBook(host(), position);
    }
};

// Which field goes under which name, in which order, is pinned by the sandbox golden of the
// command line's test; here, a book whose fax field is renamed or missing.
TEST_F(GroupWiseTest, TheFaxGoesOnlyUnderTheBooksOwnFaxFieldAndPhonesKeepTheirKind) {
    using Definitions = std::vector<standins::GroupWiseFieldDefinition>;
    Definitions renamedFax = standins::GroupWiseWorld::DefaultFieldDefinitions();
    for (auto& definition : renamedFax) {
        if (definition.name == L"Fax Number") definition = {40, L"  business FAX "};
    }
    Definitions noFax = standins::GroupWiseWorld::DefaultFieldDefinitions();
    std::erase_if(noFax, [](const auto& d) { return d.name == L"Fax Number"; });
    AgentContact contact = FullContact();
    contact.PersonalPhone = Variant(std::int32_t{225});
    Choose(L"2");
    for (const auto& [definitions, faxField] :
         {std::pair{renamedFax, L"  business FAX "}, {noFax, L"Comments"}}) {
        groupwise().addressBooks[2].fieldDefinitions = definitions;
        Entries(2).clear();
        WriteGroupWiseContact(host(), contact);
        ASSERT_EQ(Entries(2).size(), 1u);
        const auto& fields = Entries(2)[0].fields;
        ASSERT_EQ(fields.size(), definitions.size());
        EXPECT_EQ(fields[15].name, faxField);
        // The variant phone is passed as the number it holds, not as text.
        EXPECT_EQ(fields[12].Kind(), Variant::Kind::Long);
    }
}

TEST_F(GroupWiseTest, DisplayNamesAndEmptyFieldsAreWrittenToo) {
    Choose(L"0");
    for (const auto& [first, last, shown] :
         {std::tuple{L"Ana", L"", L"Ana "}, {L"", L"Silva", L" Silva"}, {L"", L"", L"Acme"}}) {
        AgentContact contact;
        contact.Firstname = first;
        contact.Lastname = last;
        contact.CompanyName = L"Acme";
        WriteGroupWiseContact(host(), contact);
        EXPECT_EQ(Entries(0).back().displayName, shown);
        EXPECT_EQ(Entries(0).back().fields.size(), 18u) << shown;  // empty values included
    }
}

TEST_F(GroupWiseTest, TheStoredPositionPicksTheBookOrEndsTheInsertion) {
    // The setting; the error; the entries of each book after. "-1" asks for position 0,
    // which GroupWise refuses.
    for (const auto& [setting, error, entries] :
         {std::tuple{L"1", 0, L"010"}, {L" 2 ", 0, L"001"}, {L"-1", kGroupWiseFailure, L"000"},
          {L"3", kGroupWiseFailure, L"000"}, {L"", 13, L"000"}, {L"32767", 6, L"000"}}) {
        Choose(setting);
        for (auto& book : groupwise().addressBooks) book.entries.clear();
        EXPECT_EQ(ErrorNumberOf([&] { WriteGroupWiseContact(host(), FullContact()); }), error) << setting;
        std::wstring counts;
        for (const auto& book : groupwise().addressBooks) counts += std::to_wstring(book.entries.size());
        EXPECT_EQ(counts, entries) << setting;
    }
    // An appointment goes to the mailbox and asks for no book.
    const std::size_t dialogs = test.ui.dialogs.size();
    WriteGroupWiseAppointment(host(), AgentEvent{});
    EXPECT_EQ(groupwise().appointments.size(), 1u);
    EXPECT_EQ(test.ui.dialogs.size(), dialogs);
}

TEST_F(GroupWiseTest, TheDialogKeepsItsListAndChoiceFromOneContactToTheNext) {
    using Button = DialogAnswer::Button;
    test.ui.dialogAnswers = {Press(Button::Ok, 1), Press(Button::Ok, 1)};
    WriteGroupWiseContact(host(), FullContact());
    WriteGroupWiseContact(host(), FullContact());
    ASSERT_EQ(test.ui.dialogs.size(), 2u);
    const DialogView& first = test.ui.dialogs[0];
    EXPECT_EQ(first.caption, L"Select the Address book");
    EXPECT_EQ(first.controls[1].items,
              (std::vector<std::wstring>{L"Novell GroupWise Address Book", L"Frequent Contacts",
                                         L"Customers"}));
    EXPECT_EQ(first.controls[1].selection, -1);
    EXPECT_FALSE(first.controls[1].doubleClickIsOk);
    EXPECT_EQ(test.ui.dialogs[1].controls[1].selection, 1);  // the first contact's choice
    EXPECT_EQ(Setting(), L"1");
    EXPECT_EQ(Entries(1).size(), 2u);
    EXPECT_EQ(groupwise().logins, 3u);  // the list once, then once per contact

    // OK with nothing selected stores "-1"; Annuler, Esc and the close control store nothing,
    // and the next showing lists afresh.
    // The answer; the setting stored; the logins for the showing and its contact.
    for (const auto& [answer, stored, logins] :
         {std::tuple{Press(Button::Ok, -1), L"-1", 1u}, {Press(Button::Cancel, 2), L"-1", 1u},
          {Press(Button::Ok, 0), L"0", 2u}, {Press(Button::Close, 2), L"0", 1u}, {Press(Button::Ok, 2), L"2", 2u}}) {
        const std::size_t before = groupwise().logins;
        test.ui.dialogAnswers = {answer};
        ErrorNumberOf([&] { WriteGroupWiseContact(host(), FullContact()); });
        EXPECT_EQ(Setting(), stored);
        EXPECT_EQ(groupwise().logins - before, logins) << stored;
    }
}

TEST_F(GroupWiseTest, AListThatFailsPartWayIsNotKeptAndANestedShowingIsRefused) {
    Fail(groupwise().ledger, L"AddressBook", L"Name", kGroupWiseFailure, 2);
    Choose(L"1");
    EXPECT_EQ(ErrorNumberOf([&] { WriteGroupWiseContact(host(), FullContact()); }),
              kGroupWiseFailure);
    EXPECT_TRUE(test.ui.dialogs.empty());
    EXPECT_FALSE(ThreadDialog<GroupWiseDialog>().IsLoaded());

    std::int32_t nested = 0;
    test.ui.onDialog = [&] {
        test.ui.onDialog = nullptr;
        nested = ErrorNumberOf([&] { WriteGroupWiseContact(host(), FullContact()); });
    };
    test.ui.dialogAnswers = {Press(DialogAnswer::Button::Ok, 2)};
    WriteGroupWiseContact(host(), FullContact());
    EXPECT_EQ(nested, 400);
    ASSERT_EQ(test.ui.dialogs.size(), 1u);
    EXPECT_EQ(test.ui.dialogs[0].controls[1].items.size(), 3u);
    EXPECT_EQ(Entries(2).size(), 1u);
    EXPECT_EQ(Entries(1).size(), 0u);
}

}  // namespace
}  // namespace orvantis::test

// What every stand-in shares: strict members and failures on demand. The call log is read by
// the inserters' tests, which compare the calls it holds.

#include <functional>

#include "OutlookFixture.hpp"
#include "fakes/Errors.hpp"

namespace orvantis::test {
namespace {

using StrictMembersTest = OutlookFixture;

TEST_F(StrictMembersTest, RefusesWhatTheProductsIDispatchRefuses) {
    const auto application = Application();
    const auto contact = DefaultItems(10)->Call(L"Add", {std::int32_t{2}}).ToObject();
    const auto task = application->Call(L"CreateItem", {std::int32_t{3}}).ToObject();
    const auto items = DefaultItems(10);
    const auto invoke = [](const ObjectRef& object, Member member, CallKind kind,
                           std::vector<Variant> values) {
        std::vector<Argument> arguments;
        for (auto& value : values) arguments.push_back({std::move(value)});
        object->Invoke(member, kind, arguments);
    };
    const struct {
        const char* what;
        std::function<void()> call;
        std::int32_t error;
    } cases[] = {
        {"no such member", [&] { contact->Get(L"BusinessFaxTelephoneNumber"); }, 438},
        {"unknown dispatch id", [&] { invoke(items, Member::FromDispatchId(7), CallKind::PropertyGet, {}); }, 438},
        {"default member by id 0", [&] { invoke(items, Member::FromDispatchId(0), CallKind::PropertyGet, {L"1"}); }, errors::kProductException},
        {"put on a read-only property", [&] { application->Put(L"Version", L"11.0"); }, 438},
        {"a method read as a property", [&] { contact->Get(L"Save"); }, 438},
        {"a property called as a method reads it", [&] { contact->Call(L"FirstName"); }, 0},
        {"too many arguments", [&] { application->Call(L"GetNamespace", {L"MAPI", L"x"}); }, 450},
        {"arguments to a plain property", [&] { contact->Get(L"FirstName", {1}); }, 450},
        {"required argument left out", [&] { application->Call(L"GetNamespace"); }, 449},
        {"optional arguments missing", [&] { NameSpace()->Call(L"Logon", {Variant::Missing(), Variant::Missing()}); }, 0},
        {"text that is no number", [&] { application->Call(L"CreateItem", {L"one"}); }, 13},
        {"a number too large", [&] { task->Put(L"Importance", 1e12); }, 6},
        {"an object for a text", [&] { contact->Put(L"FirstName", application); }, 13},
        {"a number for a text becomes text", [&] { contact->Put(L"JobTitle", 42); }, 0},
        {"an unknown default folder", [&] { NameSpace()->Call(L"GetDefaultFolder", {std::int32_t{99}}); }, errors::kProductException},
        {"Quit is the caller's fault", [&] { application->Call(L"Quit"); }, 5},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorNumberOf(c.call), c.error) << c.what;
    EXPECT_EQ(contact->Get(L"JobTitle"), Variant(L"42"));
}

// Each product's objects answer from their own tables, so a name the table lacks is refused by
// that product, never answered with some other member's object.
TEST_F(StrictMembersTest, EveryProductRefusesWhatItsTableLacksUnderItsOwnSource) {
    const auto groupWiseAccount = [&] {
        return catalog.CreateObject(L"NovellGroupWareSession")->Call(L"Login").ToObject();
    };
    const struct {
        const wchar_t* source;
        std::function<ObjectRef()> object;
    } products[] = {
        {L"Microsoft Outlook", [&] { return Application(); }},
        {L"Lotus Notes", [&] { return catalog.CreateObject(L"Lotus.NotesSession"); }},
        {L"ACTOLE", [&] { return catalog.CreateObject(L"ACTOLE.DATABASE"); }},
        {L"GMComAPI", [&] { return catalog.CreateObject(L"GMComAPI.Application"); }},
        {L"GroupWise", groupWiseAccount},
    };
    for (const auto& product : products) {
        for (const Member& member : {Member(L"Calendar"), Member::FromDispatchId(4242)}) {
            try {
                product.object()->Invoke(member, CallKind::PropertyGet, {});
                ADD_FAILURE() << "answered";
            } catch (const AutomationError& error) {
                EXPECT_EQ(error.Number(), 438);
                EXPECT_EQ(error.Source(), product.source);
            }
        }
    }
}

TEST_F(StrictMembersTest, FailsTheNthCallAsConfigured) {
    sandbox.Outlook().ledger.failures.push_back(
        {L"ContactItem", L"save", 2, -2147467259, L"Microsoft Outlook", L"The operation failed."});
    const auto items = DefaultItems(10);
    std::vector<std::int32_t> outcomes;
    for (int i = 0; i < 3; ++i) {
        const auto contact = items->Call(L"Add").ToObject();
        contact->Put(L"LastName", L"Durand");
        try {
            contact->Call(L"Save");
            outcomes.push_back(0);
        } catch (const AutomationError& error) {
            outcomes.push_back(error.Number());
            EXPECT_EQ(error.Source(), L"Microsoft Outlook");
            EXPECT_EQ(error.Description(), L"The operation failed.");
        }
    }
    EXPECT_EQ(outcomes, (std::vector<std::int32_t>{0, -2147467259, 0}));
    EXPECT_EQ(Contacts().items.size(), 2u);
}

}  // namespace
}  // namespace orvantis::test

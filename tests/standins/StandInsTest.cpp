// The products' stand-ins where the inserters' tests cannot tell them from the products by
// themselves: how Outlook's Restrict and Notes' Search read their filters (an identifier the
// inserter did not escape must not be found), AddPicture, the calls the products refuse, and
// what every stand-in shares: strict members and failures on demand. What a save stores, that
// an update replaces in place and that defaults are not stored as writes, the inserters' tests
// and the sandbox golden of two loads show.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "automation/Enumerator.hpp"
#include "fakes/Errors.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"
#include "standins/notes/NotesWorld.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::test {
namespace {

// The stand-ins as an inserter reaches them: through the catalog, by name. Every test ends
// with all its handles released.
class StandInsTest : public ::testing::Test {
protected:
    StandInsTest() { sandbox.Register(catalog); }
    void TearDown() override { EXPECT_EQ(sandbox.LiveObjects(), 0u); }

    ObjectRef Application() { return catalog.CreateObject(L"Outlook.Application"); }
    ObjectRef NameSpace() { return Application()->Call(L"GetNamespace", {L"MAPI"}).ToObject(); }
    ObjectRef DefaultItems(std::int32_t folderId) {
        auto folder = NameSpace()->Call(L"GetDefaultFolder", {folderId});
        return Dereference(folder).Get(L"Items").ToObject();
    }
    standins::Container& Contacts() { return sandbox.WorldOf<standins::OutlookWorld>().DefaultFolderContainer(10); }
    ObjectRef Session() {
        auto session = catalog.CreateObject(L"Lotus.NotesSession");
        session->Call(L"Initialize");
        return session;
    }
    ObjectRef Database() {
        return Dereference(Session()->Call(L"GetDbDirectory", {L""}))
            .Call(L"OpenDatabase", {L"names.nsf", false})
            .ToObject();
    }
    std::int32_t SearchCount(Object& database, const std::wstring& formula,
                             const wchar_t* cutoff = L"x") {
        const Variant dateTime = Session()->Call(L"CreateDateTime", {cutoff});
        return Dereference(database.Call(L"Search", {formula, dateTime, std::int32_t{0}}))
            .Get(L"Count")
            .ToLong();
    }

    standins::Sandbox sandbox;
    ObjectCatalog catalog;
};

constexpr std::int32_t kOutlookError = errors::kProductException;
constexpr std::int32_t kNotesError = -2147217504;

// A call the product refuses, and the number it raises (0: none).
struct Refusal {
    const char* what;
    std::function<void()> call;
    std::int32_t error;
};

void SaveContact(Object& items, const std::wstring& customerId, const std::wstring& lastName) {
    const auto contact = items.Call(L"Add", {std::int32_t{2}}).ToObject();
    contact->Put(L"LastName", lastName);
    if (!customerId.empty()) contact->Put(L"CustomerID", customerId);
    contact->Call(L"Save");
}

// A search takes one equality with its apostrophes doubled, and sees what the saves since the
// last one changed: an identifier rewritten is found under its new value only, and the items
// found keep the folder's order.
TEST_F(StandInsTest, RestrictTakesOneEqualityAndFindsWhatTheLastSavesWrote) {
    const auto items = DefaultItems(10);
    for (const auto& [id, name] : {std::pair{L"A1", L"First"}, {L"O'Brien", L"Second"},
                                   {L"x", L"Third"}, {L"X", L"Fourth"}, {L"", L"Fifth"}}) {
        SaveContact(*items, id, name);
    }
    const auto restrict = [&](const wchar_t* filter) { return items->Call(L"Restrict", {filter}).ToObject(); };
    const auto first = restrict(L"[CustomerID] = 'A1'")->Call(L"Item", {std::int32_t{1}}).ToObject();
    first->Put(L"CustomerID", L"x");
    first->Call(L"Save");
    SaveContact(*items, L"A1", L"Sixth");
    using Names = std::vector<std::wstring>;
    const struct {
        const wchar_t* filter;
        std::optional<Names> lastNames;  // none: raises
    } cases[] = {
        {L"  [customerid]='a1'  ", Names{L"Sixth"}},
        {L"[CustomerID] = 'O''Brien'", Names{L"Second"}},
        {L"[CustomerID] = 'x'", Names{L"First", L"Third", L"Fourth"}},
        {L"[CustomerID] = ''", Names{L"Fifth"}},
        {L"[CustomerID] = 'A'", Names{}},
        {L"[CustomerID] = 'O'Brien'", {}},
        {L"[CustomerID] = 'x' OR '1'='1'", {}},
        {L"[CustomerID] = \"A1\"", {}},
        {L"[NoSuchProperty] = 'A1'", {}},
    };
    for (const auto& c : cases) {
        std::optional<Names> lastNames;
        const auto error = ErrorNumberOf([&] {
            const auto found = restrict(c.filter);
            lastNames.emplace();
            for (std::int32_t i = 1; i <= found->Get(L"Count").ToLong(); ++i) {
                lastNames->push_back(found->Call(L"Item", {i}).ToObject()->Get(L"LastName").ToText());
            }
        });
        EXPECT_EQ(lastNames, c.lastNames) << c.filter;
        EXPECT_EQ(error, c.lastNames ? 0 : kOutlookError) << c.filter;
    }
}

// Outlook reads the picture during the call; before version 11 there is no AddPicture.
TEST_F(StandInsTest, AddPictureFromVersion11ReadsTheFileDuringTheCall) {
    const auto picture = std::filesystem::temp_directory_path() / "orvantis-standin-picture.gif";
    const auto contact = DefaultItems(10)->Call(L"Add", {std::int32_t{2}}).ToObject();
    sandbox.WorldOf<standins::OutlookWorld>().version = L"10.0.2627";
    EXPECT_EQ(ErrorNumberOf([&] { contact->Call(L"AddPicture", {picture.wstring()}); }), 438);
    sandbox.WorldOf<standins::OutlookWorld>().version = L"11.0.5608";
    EXPECT_EQ(ErrorNumberOf([&] { contact->Call(L"AddPicture", {picture.wstring()}); }), -2147024894);
    std::ofstream(picture, std::ios::binary) << "GIF\x01\xff";
    contact->Call(L"AddPicture", {picture.wstring()});
    std::filesystem::remove(picture);
    contact->Call(L"Save");
    EXPECT_EQ(Contacts().items.at(0).Find(L"Picture")->ProductValue()->dump(), R"({"picture":{"bytes":"47494601ff"}})");
}

TEST_F(StandInsTest, RefusesWhatTheProductsIDispatchRefuses) {
    const auto application = Application();
    const auto contact = DefaultItems(10)->Call(L"Add", {std::int32_t{2}}).ToObject();
    const auto task = application->Call(L"CreateItem", {std::int32_t{3}}).ToObject();
    const auto items = DefaultItems(10);
    const auto invoke = [](const ObjectRef& object, Member member, CallKind kind,
                           std::vector<Variant> values) {
        std::vector<Argument> arguments(values.size());
        for (std::size_t i = 0; i < values.size(); ++i) arguments[i].value = std::move(values[i]);
        object->Invoke(member, kind, arguments);
    };
    const Refusal cases[] = {
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
TEST_F(StandInsTest, EveryProductRefusesWhatItsTableLacksUnderItsOwnSource) {
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
            const auto error = ErrorOf([&] { product.object()->Invoke(member, CallKind::PropertyGet, {}); });
            EXPECT_EQ(error.Number(), 438);
            EXPECT_EQ(error.Source(), product.source);
        }
    }
}

TEST_F(StandInsTest, FailsTheNthCallAsConfigured) {
    sandbox.WorldOf<standins::OutlookWorld>().ledger.failures.push_back(
        {L"ContactItem", L"save", 2, -2147467259, L"Microsoft Outlook", L"The operation failed."});
    std::vector<std::wstring> outcomes;
    for (int i = 0; i < 3; ++i) {
        const auto error = ErrorOf([&] { DefaultItems(10)->Call(L"Add").ToObject()->Call(L"Save"); });
        outcomes.push_back(std::to_wstring(error.Number()) + L" " + error.Source() + L": " + error.Description());
    }
    EXPECT_EQ(outcomes, (std::vector<std::wstring>{L"0 : nothing raised", L"-2147467259 Microsoft Outlook: The operation failed.",
                                                L"0 : nothing raised"}));
    EXPECT_EQ(Contacts().items.size(), 2u);
}

TEST_F(StandInsTest, SearchTakesOneEqualityWithItsLiteralEscaped) {
    const auto database = Database();
    for (const wchar_t* id : {L"A1", L"say \"hi\"", L"C:\\x", static_cast<const wchar_t*>(nullptr)}) {
        const auto document = database->Call(L"CreateDocument").ToObject();
        if (id) document->Call(L"ReplaceItemValue", {L"OrvantisID", id});
        document->Call(L"Save", {true, false});
    }
    sandbox.WorldOf<standins::NotesWorld>().Database(L"names.nsf").items[0].fields.emplace_back(L"Count", Variant(2.0));
    const struct {
        const wchar_t* formula;
        std::int32_t count;  // -1: raises
    } cases[] = {
        {L"  orvantisid=\"A1\"  ", 1},
        {L"OrvantisID = \"a1\"", 0},
        {L"OrvantisID = \"say \\\"hi\\\"\"", 1},
        {L"OrvantisID = \"C:\\\\x\"", 1},
        {L"OrvantisID = \"C:\\x\"", 0},  // "\x" is "x"
        {L"OrvantisID = \"\"", 1},       // a missing item reads as empty text
        {L"Count = \"2\"", 0},           // a number is no text
        {L"OrvantisID = \"say \"hi\"\"", -1},
        {L"OrvantisID = \"A1\" | Form = \"x\"", -1},
        {L"OrvantisID = 'A1'", -1},
    };
    for (const auto& c : cases) {
        std::int32_t count = -1;
        const auto error = ErrorNumberOf([&] { count = SearchCount(*database, c.formula); });
        EXPECT_EQ(c.count < 0 ? kNotesError : 0, error) << c.formula;
        EXPECT_EQ(count, c.count) << c.formula;
    }
    // A cut-off that is no date is none; one that may be a date is not guessed at.
    EXPECT_EQ(ErrorNumberOf([&] { SearchCount(*database, L"OrvantisID = \"A1\"", L"2005-7-3"); }), 5);
}

TEST_F(StandInsTest, RefusesWhatNotesRefuses) {
    const auto fresh = catalog.CreateObject(L"Lotus.NotesSession");
    const auto database = Database();
    const auto document = database->Call(L"CreateDocument").ToObject();
    const auto body = document->Call(L"CreateRichTextItem", {L"Body"}).ToObject();
    const auto picture = std::filesystem::temp_directory_path() / "orvantis-notes-standin.gif";
    sandbox.WorldOf<standins::NotesWorld>().validationFailure = L"Field: 'Last name' is required";
    const Refusal cases[] = {
        {"a session used before Initialize", [&] { fresh->Call(L"GetDbDirectory", {L""}); }, kNotesError},
        {"a server's directory", [&] { Session()->Call(L"GetDbDirectory", {L"Server/Acme"}); }, kNotesError},
        {"a boolean item", [&] { document->Call(L"ReplaceItemValue", {L"Flag", true}); }, 13},
        {"an object item", [&] { document->Call(L"ReplaceItemValue", {L"Other", database}); }, 13},
        {"a link, not an attachment", [&] { body->Call(L"EmbedObject", {1453, L"", picture.wstring(), L""}); }, 5},
        {"an attachment that is no file", [&] { body->Call(L"EmbedObject", {1454, L"", picture.wstring(), L""}); }, kNotesError},
        {"validation without raising", [&] { EXPECT_EQ(document->Call(L"ComputeWithForm", {true, false}), Variant(false)); }, 0},
        {"validation raising", [&] { document->Call(L"ComputeWithForm", {true, true}); }, kNotesError},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorNumberOf(c.call), c.error) << c.what;
    // Unsaved, the document is nowhere; an item replaced is gone for the handle kept on it.
    EXPECT_TRUE(sandbox.WorldOf<standins::NotesWorld>().Database(L"names.nsf").items.empty());
    document->Call(L"ReplaceItemValue", {L"BODY", L"plain"});
    EXPECT_EQ(ErrorNumberOf([&] { body->Call(L"AppendText", {L"gone"}); }), kNotesError);
}

}  // namespace
}  // namespace orvantis::test

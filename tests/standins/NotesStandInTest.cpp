// Notes' stand-in where the inserters' tests cannot tell it from Notes by themselves: how
// Search reads its formula (an identifier the inserter did not escape must not be found)
// and the calls Notes refuses. What a saved document holds is pinned by the sandbox golden.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "fakes/Errors.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::test {
namespace {

constexpr std::int32_t kNotesError = -2147217504;

class NotesStandInTest : public ::testing::Test {
protected:
    NotesStandInTest() { sandbox.Register(catalog); }
    void TearDown() override { EXPECT_EQ(sandbox.LiveObjects(), 0u); }

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

TEST_F(NotesStandInTest, SearchTakesOneEqualityWithItsLiteralEscaped) {
    const auto database = Database();
    for (const wchar_t* id : {L"A1", L"say \"hi\"", L"C:\\x", static_cast<const wchar_t*>(nullptr)}) {
        const auto document = database->Call(L"CreateDocument").ToObject();
        if (id) document->Call(L"ReplaceItemValue", {L"OrvantisID", id});
        document->Call(L"Save", {true, false});
    }
    sandbox.Notes().Database(L"names.nsf").items[0].fields.push_back({L"Count", Variant(2.0), {}});
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

TEST_F(NotesStandInTest, RefusesWhatNotesRefuses) {
    const auto fresh = catalog.CreateObject(L"Lotus.NotesSession");
    const auto database = Database();
    const auto document = database->Call(L"CreateDocument").ToObject();
    const auto body = document->Call(L"CreateRichTextItem", {L"Body"}).ToObject();
    const auto picture = std::filesystem::temp_directory_path() / "orvantis-notes-standin.gif";
    sandbox.Notes().validationFailure = L"Field: 'Last name' is required";
    const struct {
        const char* what;
        std::function<void()> call;
        std::int32_t error;
    } cases[] = {
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
    EXPECT_TRUE(sandbox.Notes().Database(L"names.nsf").items.empty());
    document->Call(L"ReplaceItemValue", {L"BODY", L"plain"});
    EXPECT_EQ(ErrorNumberOf([&] { body->Call(L"AppendText", {L"gone"}); }), kNotesError);
}

}  // namespace
}  // namespace orvantis::test

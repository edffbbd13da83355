// Notes' stand-in where the inserters rely on it: the session's start, the databases, Search,
// the documents' items and what the world file keeps.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/Errors.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::testing {
namespace {

namespace fs = std::filesystem;

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
    ObjectRef Database(const wchar_t* name = L"names.nsf") {
        return Dereference(Session()->Call(L"GetDbDirectory", {L""}))
            .Call(L"OpenDatabase", {name, false})
            .ToObject();
    }
    std::int32_t SearchCount(Object& database, const std::wstring& formula,
                             const wchar_t* cutoff = L"x") {
        const Variant dateTime = Session()->Call(L"CreateDateTime", {cutoff});
        return Dereference(database.Call(L"Search", {formula, dateTime, std::int32_t{0}}))
            .Get(L"Count")
            .ToLong();
    }
    std::vector<standins::Item>& Documents(const wchar_t* database = L"names.nsf") {
        return sandbox.Notes().Database(database).items;
    }

    standins::Sandbox sandbox;
    ObjectCatalog catalog;
};

std::wstring Listing(const standins::Item& document) {
    std::wstring listing;
    for (const auto& field : document.fields) {
        const std::string json = field.productValue.is_null() ? "" : field.productValue.dump();
        listing += field.name + L"=" +
                   (json.empty() ? field.value.ToText() : std::wstring(json.begin(), json.end())) +
                   L";";
    }
    return listing;
}

TEST_F(NotesStandInTest, TheSessionAnswersOnlyOnceInitializedAsTheWorldSays) {
    auto& notes = sandbox.Notes();
    const struct {
        standins::NotesWorld::Login login;
        bool withPassword;
        std::int32_t error;
    } cases[] = {
        {standins::NotesWorld::Login::Accept, true, 0},
        {standins::NotesWorld::Login::WithoutArgument, false, 0},
        {standins::NotesWorld::Login::WithoutArgument, true, kNotesError},
        {standins::NotesWorld::Login::Refuse, false, 4063},
    };
    notes.refusalNumber = 4063;
    for (const auto& c : cases) {
        notes.login = c.login;
        const auto session = catalog.CreateObject(L"Lotus.NotesSession");
        EXPECT_EQ(ErrorNumberOf([&] { session->Call(L"GetDbDirectory", {L""}); }), kNotesError);
        EXPECT_EQ(ErrorNumberOf([&] {
                      if (c.withPassword)
                          session->Call(L"Initialize", {L""});
                      else
                          session->Call(L"Initialize");
                  }),
                  c.error);
        EXPECT_EQ(ErrorNumberOf([&] { session->Call(L"CreateDateTime", {L"eerer"}); }),
                  c.error ? kNotesError : 0);
    }
    // The inserters' tests remove a database to see it missing; here, what they cannot reach.
    notes.login = standins::NotesWorld::Login::Accept;
    const auto directory = Session()->Call(L"GetDbDirectory", {L""});
    EXPECT_EQ(ErrorNumberOf([&] { Session()->Call(L"GetDbDirectory", {L"Server/Acme"}); }),
              kNotesError);
    EXPECT_EQ(ErrorNumberOf([&] { Dereference(directory).Call(L"OpenDatabase", {L"NAMES.NSF"}); }),
              0);
}

TEST_F(NotesStandInTest, SearchTakesOneEqualityWithItsLiteralEscaped) {
    const auto database = Database();
    for (const auto& [id, name] : {std::pair{L"A1", L"first"},
                                   {L"say \"hi\"", L"quoted"},
                                   {L"C:\\x", L"backslash"},
                                   {L"", L"empty"},
                                   {nullptr, L"none"}}) {
        const auto document = database->Call(L"CreateDocument").ToObject();
        if (id) document->Call(L"ReplaceItemValue", {L"OrvantisID", id});
        document->Call(L"ReplaceItemValue", {L"Name", name});
        document->Call(L"Save", {true, false});
    }
    Documents()[0].fields.push_back({L"Count", Variant(2.0), {}});
    const struct {
        const wchar_t* formula;
        std::int32_t count;  // -1: raises
    } cases[] = {
        {L"OrvantisID = \"A1\"", 1},
        {L"  orvantisid=\"A1\"  ", 1},
        {L"OrvantisID = \"a1\"", 0},
        {L"OrvantisID = \"say \\\"hi\\\"\"", 1},
        {L"OrvantisID = \"C:\\\\x\"", 1},
        {L"OrvantisID = \"C:\\x\"", 0},  // "\x" is "x"
        {L"OrvantisID = \"\"", 2},       // a missing item reads as empty text
        {L"Count = \"2\"", 0},           // a number is no text
        {L"OrvantisID = \"say \"hi\"\"", -1},
        {L"OrvantisID = \"A1\" | Form = \"x\"", -1},
        {L"OrvantisID = 'A1'", -1},
        {L"OrvantisID = \"A1", -1},
        {L"OrvantisID \"A1\"", -1},
        {L"= \"A1\"", -1},
    };
    for (const auto& c : cases) {
        std::int32_t count = -1;
        const auto error = ErrorNumberOf([&] { count = SearchCount(*database, c.formula); });
        EXPECT_EQ(c.count < 0 ? kNotesError : 0, error) << c.formula;
        if (c.count >= 0) {
            EXPECT_EQ(count, c.count) << c.formula;
        }
    }
    // A cut-off that is no date is none; one that may be a date is not guessed at.
    EXPECT_EQ(SearchCount(*database, L"Name = \"first\"", L"eerer"), 1);
    EXPECT_EQ(ErrorNumberOf([&] { SearchCount(*database, L"Name = \"first\"", L"2005-7-3"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { database->Call(L"Search", {L"Name = \"first\"", L"", 0}); }), 13);
    // The first match comes first in database order; an empty result has Nothing first.
    const Variant found = database->Call(
        L"Search", {L"OrvantisID = \"\"", Session()->Call(L"CreateDateTime", {L""}), 0});
    EXPECT_EQ(Dereference(Dereference(found).Call(L"GetFirstDocument"))
                  .Call(L"ReplaceItemValue", {L"Seen", L"yes"}),
              Variant());
    const Variant none = database->Call(
        L"Search", {L"Name = \"no one\"", Session()->Call(L"CreateDateTime", {L""}), 0});
    EXPECT_FALSE(Dereference(none).Call(L"GetFirstDocument").ToObject());
}

TEST_F(NotesStandInTest, DocumentsKeepTheirItemsInOrderAndAreStoredOnlyBySave) {
    const fs::path picture = fs::temp_directory_path() / "orvantis-notes-standin.gif";
    std::ofstream(picture, std::ios::binary) << "GIF";
    sandbox.Notes().validationFailure = L"Field: 'Last name' is required";
    const auto database = Database();
    const auto document = database->Call(L"CreateDocument").ToObject();
    document->Call(L"ReplaceItemValue", {L"Form", L"Person"});
    const auto first = document->Call(L"CreateRichTextItem", {L"Body"}).ToObject();
    const auto second = document->Call(L"CreateRichTextItem", {L"body"}).ToObject();
    first->Call(L"AppendText", {L"one "});
    first->Call(L"AppendText", {L"two"});
    second->Call(L"EmbedObject", {1454, L"", picture.wstring(), L""});
    fs::remove(picture);  // read during the call
    EXPECT_EQ(ErrorNumberOf([&] {
                  second->Call(L"EmbedObject", {1454, L"", picture.wstring(), L""});
              }),
              kNotesError);
    EXPECT_EQ(ErrorNumberOf([&] {
                  second->Call(L"EmbedObject", {1453, L"", picture.wstring(), L""});
              }),
              5);
    document->Call(L"ReplaceItemValue",
                   {L"Due", Session()->Call(L"CreateDateTime", {L"2005-31-12 23:59:00"})});
    document->Call(L"ReplaceItemValue", {L"Offset", std::int32_t{-15}});
    document->Call(L"ReplaceItemValue", {L"Start", DateValue{38418.378472222219}});
    document->Call(L"ReplaceItemValue", {L"Blank", Variant()});
    EXPECT_EQ(ErrorNumberOf([&] { document->Call(L"ReplaceItemValue", {L"Flag", true}); }), 13);
    EXPECT_EQ(ErrorNumberOf([&] {
                  document->Call(L"ReplaceItemValue", {L"Other", database});
              }),
              13);
    EXPECT_TRUE(Documents().empty());  // unsaved, so nowhere yet

    EXPECT_EQ(document->Call(L"ComputeWithForm", {true, false}), Variant(false));
    EXPECT_EQ(ErrorNumberOf([&] {
                  document->Call(L"ComputeWithForm", {true, true});
              }),
              kNotesError);
    document->Call(L"Save", {true, true, false});
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(
        Listing(Documents()[0]),
        L"Form=Person;"
        L"Body={\"richtext\":{\"text\":\"one two\",\"attachments\":[]}};"
        L"body={\"richtext\":{\"text\":\"\",\"attachments\":[{\"name\":\"orvantis-notes-standin."
        L"gif\",\"bytes\":\"474946\"}]}};"
        L"Due={\"datetime\":\"2005-31-12 23:59:00\"};Offset=-15;Start=2005-03-07 09:05:00;Blank=;");
    EXPECT_EQ(Documents()[0].fields[4].value.GetKind(), Variant::Kind::Double);

    // Replacing an item replaces every item of the name, in the place of the first; removing
    // removes them all; the same document saved again is replaced, not added.
    document->Call(L"ReplaceItemValue", {L"BODY", L"plain"});
    document->Call(L"RemoveItem", {L"due"});
    for (const auto& replaced : {first, second}) {
        EXPECT_EQ(ErrorNumberOf([&] { replaced->Call(L"AppendText", {L"gone"}); }), kNotesError);
    }
    document->Call(L"Save", {true, false});
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Listing(Documents()[0]),
              L"Form=Person;BODY=plain;Offset=-15;Start=2005-03-07 09:05:00;Blank=;");
}

}  // namespace
}  // namespace orvantis::testing

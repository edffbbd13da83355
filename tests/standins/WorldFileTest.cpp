// World files: the golden form, damaged files refused untouched. A world written through
// automation, saved into a folder not yet made and read back by the next load, is the command
// line's test (two loads into one sandbox against a golden listing).

#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "fakes/Errors.hpp"
#include "fakes/FileBytes.hpp"
#include "standins/Sandbox.hpp"
#include "standins/WorldFile.hpp"
#include "standins/groupwise/GroupWiseWorld.hpp"
#include "standins/notes/NotesWorld.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::test {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A directory of its own for each test, removed at the end.
class WorldFileTest : public ::testing::Test {
protected:
    WorldFileTest()
        : directory_(fs::temp_directory_path() /
                     (std::string("orvantis-standins-") +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    ~WorldFileTest() override { fs::remove_all(directory_); }

    const fs::path directory_;
    const fs::path worldFile_ = directory_ / "outlook.json";
    const fs::path golden_ = fs::path(ORVANTIS_STANDINS_DATA);
};

// Every product's golden world, listed as sandbox.txt says (the products in sandbox order).
TEST_F(WorldFileTest, GoldenWorldLoadsAndSavesByteForByte) {
    const char* const files[] = {"outlook.json", "act.json", "goldmine.json", "groupwise.json",
                                 "notes.json"};
    for (const char* file : files) WriteFile(directory_ / file, FileBytes(golden_ / file));
    standins::Sandbox sandbox(directory_);
    EXPECT_EQ(sandbox.WorldOf<standins::OutlookWorld>().version, L"11.0.5608.5606");
    EXPECT_EQ(sandbox.WorldOf<standins::GroupWiseWorld>().ledger.failures.size(), 1u);
    EXPECT_EQ(sandbox.WorldOf<standins::NotesWorld>().login, standins::NotesWorld::Login::Refuse);
    EXPECT_EQ(sandbox.WorldOf<standins::NotesWorld>().mailDatabase, L"mail/ann.nsf");
    EXPECT_EQ(sandbox.Describe(), FileBytes(golden_ / "sandbox.txt"));
    sandbox.Save();
    for (const char* file : files) {
        EXPECT_EQ(FileBytes(directory_ / file), FileBytes(golden_ / file)) << file;
    }
}

// A damaged world is refused before anything is written: the load would otherwise save the
// world it could read over the one it could not.
TEST_F(WorldFileTest, DamagedFileRaisesNamingItAndChangesNothing) {
    const std::string store = R"({"containers": [{"name": "S", )";
    const std::string item = store + R"("items": [{"kind": )";
    const std::string books = R"({"containers": [{"name": "Address Books", "containers": [{"name": "B", )";
    const std::string document = R"({"containers": [{"name": "names.nsf", "items": [{"kind": "Document", "fields": [{"name": "A", "value": )";
    const std::pair<const char*, std::string> damaged[] = {
        {"outlook.json", "{"},
        {"outlook.json", "[]"},
        {"outlook.json", R"({"configuration": {"version": "11.0"}})"},
        {"outlook.json", store + R"("DefaultItemType": "2"}]})"},
        {"outlook.json", item + R"("NoteItem"}]}]})"},
        {"outlook.json", item + R"("ContactItem", "fields": [{"name": "FirstName", "value": 5}]}]}]})"},
        {"outlook.json", item + R"("ContactItem", "fields": [{"name": "Picture", "value": {"picture": {"bytes": 5}}}]}]}]})"},
        {"outlook.json", item + R"("AppointmentItem", "fields": [{"name": "Start", "value": {"date": "2026-02-30T10:00:00"}}]}]}]})"},
        {"act.json", R"({"configuration": {"MultiUser": "yes"}})"},
        {"act.json", item + R"("Contact", "fields": [{"name": "Phone", "value": "x"}]}]}]})"},
        {"goldmine.json", R"({"configuration": {"Users": ["JDUPONT"]}})"},
        {"goldmine.json", R"({"containers": [{"name": "Contacts", "items": [{"kind": "Contact", "fields": [{"name": "Zip", "value": 69002}]}]}]})"},
        {"groupwise.json", R"({"containers": [{"name": "Mailbox", "items": [{"kind": "Note"}]}]})"},
        {"groupwise.json", books + R"("FieldDefinitions": {"ten": "Last Name"}}]}]})"},
        {"groupwise.json", books + R"("containers": [{"name": "E", "FinalCalls": "1"}]}]}]})"},
        {"outlook.json", R"({"containers": [], "containers": []})"},
        {"outlook.json", R"({"containers": {"a": {"name": "Store"}}})"},
        {"outlook.json", item + R"("ContactItem", "fields": {"f": {"name": "FirstName"}}}]}]})"},
        {"outlook.json", item + R"("AppointmentItem", "fields": [{"name": "ReminderMinutesBeforeStart", "value": 18446744073709551615}]}]}]})"},
        {"outlook.json", item + R"("AppointmentItem", "fields": [{"name": "Start", "value": {"date": "2026-+2-01T10:00:00"}}]}]}]})"},
        {"outlook.json", std::string(50000, '[') + std::string(50000, ']')},
        {"settings.json", R"({"configuration": {"OrvantisAgent": {"Configuration": {"GoldmineUser": 5}}}})"},
        {"notes.json", R"({"configuration": {"Initialize": "refuse"}})"},
        {"notes.json", R"({"containers": [{"name": "names.nsf", "items": [{"kind": "Person"}]}]})"},
        {"notes.json", document + R"(true}]}]}]})"},
        {"notes.json", document + R"({"richtext": {"text": "x"}}}]}]}]})"},
        {"notes.json", document + R"({"richtext": {"text": "x", "attachments": [{"name": "a", "bytes": "XY"}]}}}]}]}]})"},
    };
    for (const auto& [file, text] : damaged) {
        WriteFile(directory_ / file, text);
        const auto error = ErrorOf([&] { standins::Sandbox sandbox(directory_); });
        EXPECT_EQ(error.Number(), 321) << text;
        EXPECT_NE(error.Description().find(std::wstring(file, file + std::strlen(file))), std::wstring::npos) << text;
        EXPECT_EQ(FileBytes(directory_ / file), text);
        fs::remove(directory_ / file);
    }
}

// A load writes back only the worlds it changed: a world another process saved meanwhile is
// kept, and a product the load never reached leaves no file behind.
TEST_F(WorldFileTest, SaveWritesOnlyTheWorldsThatChanged) {
    standins::Sandbox sandbox(directory_);
    sandbox.Save();
    EXPECT_TRUE(fs::is_empty(directory_));
    const std::string savedElsewhere = FileBytes(golden_ / "act.json");
    WriteFile(directory_ / "act.json", savedElsewhere);
    sandbox.WorldOf<standins::OutlookWorld>().version = L"12.0.0.0";
    sandbox.Save();
    EXPECT_EQ(FileBytes(directory_ / "act.json"), savedElsewhere);
    EXPECT_NE(FileBytes(worldFile_).find("12.0.0.0"), std::string::npos);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory_)) ++files;
    EXPECT_EQ(files, 2u) << "a temporary file was left";
}

// A save that fails says why, so that a user can tell a file in the way from a full disk.
TEST_F(WorldFileTest, FailedSaveNamesTheCause) {
    WriteFile(directory_ / "file", "x");
    const fs::path under = directory_ / "file" / "sandbox";
    standins::Sandbox sandbox(under);
    sandbox.WorldOf<standins::OutlookWorld>().version = L"12.0.0.0";
    const auto error = ErrorOf([&] { sandbox.Save(); });
    EXPECT_EQ(error.Number(), 75);
    // The system's own words follow the path ("Not a directory" here).
    const std::wstring named = standins::PathText(under) + L": ";
    const auto at = error.Description().find(named);
    EXPECT_TRUE(at != std::wstring::npos && error.Description().size() > at + named.size() + 3)
        << standins::JsonText(error.Description());
}

// A picture's path is the caller's text: reading it must not depend on the C library's
// locale, which cannot convert what is not ASCII (the tests run in the "C" locale).
TEST_F(WorldFileTest, FileNamedOutsideAsciiIsRead) {
    WriteFile(directory_ / fs::path(u8"Hélène Dupré.jpg"), "GIF89a");
    const std::wstring path = standins::PathText(directory_) + L"/Hélène Dupré.jpg";
    EXPECT_EQ(standins::ReadFileBytes(path), std::optional<std::string>("GIF89a"));
}

// A listing goes to a terminal: a right-to-left override in a name or a value would show the
// rest of its line reversed ("Evil<U+202E>gpj.exe" read as "Evilexe.jpg").
TEST_F(WorldFileTest, ListingShowsBidirectionalControlsEscaped) {
    standins::Sandbox sandbox;
    auto& store = sandbox.WorldOf<standins::OutlookWorld>().stores.at(0);
    store.name = L"Evil\u202Egpj.exe";
    store.items.push_back({L"ContactItem", {standins::Field(L"FullName", Variant(L"Ann\u2066e"))}, 0});
    const std::string listing = sandbox.Describe();
    EXPECT_EQ(listing.find("\xE2\x80\xAE"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("\xE2\x81\xA6"), std::string::npos) << listing;
    EXPECT_NE(listing.find("Evil\\u202Egpj.exe"), std::string::npos) << listing;
    EXPECT_NE(listing.find("\"Ann\\u2066e\""), std::string::npos) << listing;
}

}  // namespace
}  // namespace orvantis::test

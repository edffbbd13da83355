// World files: the golden form, damaged files refused untouched, a sandbox kept on disk.

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "automation/AutomationError.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

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

TEST_F(WorldFileTest, GoldenWorldsLoadAndSaveByteForByte) {
    const std::string products[] = {"outlook", "groupwise"};
    for (const auto& product : products) {
        WriteFile(directory_ / (product + ".json"), ReadFile(golden_ / (product + ".json")));
    }
    standins::Sandbox sandbox(directory_);
    EXPECT_EQ(sandbox.Outlook().version, L"11.0.5608.5606");
    EXPECT_EQ(sandbox.GroupWise().ledger.failures.size(), 1u);
    const std::string listing = sandbox.Describe();
    sandbox.Save();
    for (const auto& product : products) {
        EXPECT_NE(listing.find(ReadFile(golden_ / (product + ".txt"))), std::string::npos) << listing;
        EXPECT_EQ(ReadFile(directory_ / (product + ".json")), ReadFile(golden_ / (product + ".json")));
        EXPECT_FALSE(fs::exists(directory_ / (product + ".json.tmp")));
    }
}

TEST_F(WorldFileTest, AWorldWrittenThroughAutomationComesBackTheSame) {
    const fs::path inner = directory_ / "not yet made";
    std::string saved;
    {
        standins::Sandbox sandbox(inner);
        ObjectCatalog catalog;
        sandbox.Register(catalog);
        const auto application = catalog.CreateObject(L"Outlook.Application");
        const auto appointment = application->Call(L"CreateItem", {std::int32_t{1}}).ToObject();
        appointment->Put(L"Subject", L"Réunion « annuelle »");
        appointment->Put(L"Start", DateValue{46370.4375});
        appointment->Put(L"AllDayEvent", false);
        appointment->Put(L"ReminderMinutesBeforeStart", 30);
        appointment->Call(L"Save");
        sandbox.Save();
        saved = ReadFile(inner / "outlook.json");
    }
    standins::Sandbox reloaded(inner);
    reloaded.Save();
    EXPECT_EQ(ReadFile(inner / "outlook.json"), saved);
    EXPECT_NE(saved.find(R"("date": "2026-12-14T10:30:00")"), std::string::npos) << saved;
}

TEST_F(WorldFileTest, DamagedFileRaisesNamingItAndChangesNothing) {
    const std::string store = R"({"containers": [{"name": "S", )";
    const std::string item = store + R"("items": [{"kind": )";
    const std::string damaged[] = {
        "{",
        "[]",
        R"({"configuration": {"version": "11.0"}})",
        R"({"configuration": {"failures": [{"member": "Save"}]}})",
        R"({"configurations": {}})",
        store + R"("DefaultItemType": "2"}]})",
        store + R"("Colour": 2}]})",
        item + R"("NoteItem"}]}]})",
        item + R"("ContactItem", "fields": [{"name": "FirstName", "value": 5}]}]}]})",
        item + R"("ContactItem", "fields": [{"name": "BusinessFaxTelephoneNumber", "value": "x"}]}]}]})",
        item + R"("ContactItem", "fields": [{"name": "Picture", "value": {"picture": {"bytes": 5}}}]}]}]})",
        item + R"("AppointmentItem", "fields": [{"name": "Start", "value": {"date": "2026-02-30T10:00:00"}}]}]}]})",
        item + R"("AppointmentItem", "fields": [{"name": "Start", "value": {"date": "2026-02-03"}}]}]}]})",
        item + R"("TaskItem", "fields": [{"name": "Subject", "value": "\udc00"}]}]}]})",
    };
    const std::string books = R"({"containers": [{"name": "Address Books", "containers": [{"name": "B", )";
    const std::string damagedGroupWise[] = {
        R"({"containers": [{"name": "Calendar"}]})",
        R"({"containers": [{"name": "Mailbox", "items": [{"kind": "Note"}]}]})",
        books + R"("FieldDefinitions": {"ten": "Last Name"}}]}]})",
        books + R"("FieldDefinitions": {"10": 5}}]}]})",
        books + R"("containers": [{"name": "E", "FinalCalls": "1"}]}]}]})",
        books + R"("containers": [{"name": "E", "items": [{"kind": "Fields"}, {"kind": "Fields"}]}]}]}]})",
    };
    const auto expectRefused = [&](const fs::path& file, const std::string& text) {
        WriteFile(file, text);
        try {
            standins::Sandbox sandbox(directory_);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), 321) << text;
            EXPECT_NE(error.Description().find(file.filename().wstring()), std::wstring::npos) << text;
        }
        EXPECT_EQ(ReadFile(file), text);
    };
    for (const auto& text : damaged) expectRefused(worldFile_, text);
    fs::remove(worldFile_);
    for (const auto& text : damagedGroupWise) expectRefused(directory_ / "groupwise.json", text);
}

}  // namespace
}  // namespace orvantis::testing

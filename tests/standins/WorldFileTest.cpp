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

TEST_F(WorldFileTest, GoldenWorldLoadsAndSavesByteForByte) {
    const std::string golden = ReadFile(golden_ / "outlook.json");
    WriteFile(worldFile_, golden);
    standins::Sandbox sandbox(directory_);
    EXPECT_EQ(sandbox.Outlook().version, L"11.0.5608.5606");
    // Outlook's listing comes first; the other products follow with their default worlds.
    const std::string listing = sandbox.Describe();
    EXPECT_EQ(listing.substr(0, listing.find("\nLotus Notes\n") + 1), ReadFile(golden_ / "outlook.txt"));
    sandbox.Save();
    EXPECT_EQ(ReadFile(worldFile_), golden);
    EXPECT_FALSE(fs::exists(directory_ / "outlook.json.tmp"));
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
    for (const auto& text : damaged) {
        WriteFile(worldFile_, text);
        try {
            standins::Sandbox sandbox(directory_);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), 321) << text;
            EXPECT_NE(error.Description().find(L"outlook.json"), std::wstring::npos) << text;
        }
        EXPECT_EQ(ReadFile(worldFile_), text);
    }
}

}  // namespace
}  // namespace orvantis::testing

#include <gtest/gtest.h>

#include "fakes/TestHost.hpp"
#include "inserters/notes/LotusUtilities.hpp"
#include "support/ConfigUtilities.hpp"
#include "support/ShellUtilities.hpp"

namespace orvantis {
namespace {

TEST(InstallLookups, ReadTheProductsKeysAsStored) {
    testing::TestHost host;
    host.registry.values[{RegistryRoot::CurrentUser, L"Software\\Symantec\\ACT!\\Database",
                          L"Last DB Name"}] = L"C:\\ACT\\db.dbf";
    host.registry.values[{RegistryRoot::LocalMachine, L"Software\\Lotus\\Notes", L"Path"}] =
        L"D:\\Notes";  // no trailing backslash is added
    host.registry.values[{RegistryRoot::LocalMachine,
                          L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GMW6.exe",
                          L"Path"}] = L"C:\\GoldMine\\";
    EXPECT_EQ(ConfigUtilities::GetActDatabasePath(host.Get()), Variant(L"C:\\ACT\\db.dbf"));
    EXPECT_EQ(ConfigUtilities::GetNotesPath(host.Get()), Variant(L"D:\\Notes"));
    EXPECT_EQ(ConfigUtilities::GetGoldMinePath(host.Get()), Variant(L"C:\\GoldMine\\"));

    testing::TestHost empty;
    EXPECT_EQ(ConfigUtilities::GetActDatabasePath(empty.Get()), Variant(L""));
}

TEST(ShellAndWait, ReportsAProgramThatCannotStartAndReturnsOne) {
    testing::TestHost host;
    EXPECT_EQ(ShellUtilities::ShellAndWait(host.Get(), L"fine.exe", 1), 0);
    EXPECT_TRUE(host.ui.boxes.empty());

    host.shell.failWith = 53;
    EXPECT_EQ(ShellUtilities::ShellAndWait(host.Get(), L"missing.exe /x", 1), 1);
    ASSERT_EQ(host.ui.boxes.size(), 1u);
    EXPECT_EQ(host.ui.boxes[0].text, L"Last Error Number was: 53\r\nFile not found");
    EXPECT_EQ(host.ui.boxes[0].title, L"Orvantis");
    EXPECT_EQ(host.ui.boxes[0].style, 0);
}

TEST(RegisterNotesLibrary, RunsRegsvr32OnTheLibraryInTheNotesFolder) {
    testing::TestHost host;
    host.registry.values[{RegistryRoot::LocalMachine, L"Software\\Lotus\\Notes", L"Path"}] =
        L"D:\\Notes\\";
    LotusUtilities::RegisterNotesLibrary(host.Get());
    ASSERT_EQ(host.shell.runs.size(), 1u);
    EXPECT_EQ(host.shell.runs[0].first, L"regsvr32 /s \"D:\\Notes\\nlsxbe.dll\"");
    EXPECT_EQ(host.shell.runs[0].second, 1);

    // A failed launch is reported by the launcher alone and does not fail the preparation.
    testing::TestHost failing;
    failing.shell.failWith = 53;
    EXPECT_NO_THROW(LotusUtilities::RegisterNotesLibrary(failing.Get()));
    EXPECT_EQ(failing.shell.runs[0].first,
              L"regsvr32 /s \"C:\\PROGRA~1\\lotus\\notes\\nlsxbe.dll\"");
    EXPECT_EQ(failing.ui.boxes.size(), 1u);
}

}  // namespace
}  // namespace orvantis

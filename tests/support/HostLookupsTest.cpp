#include <gtest/gtest.h>

#include "fakes/TestHost.hpp"
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

}  // namespace
}  // namespace orvantis

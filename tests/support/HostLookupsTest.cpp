#include <gtest/gtest.h>

#include "fakes/TestHost.hpp"
#include "support/ShellUtilities.hpp"

namespace orvantis {
namespace {

// The registry lookups are pinned where the products read them: the stand-ins keep the keys
// their installers write, and the inserter tests and the command line's test run over them.
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

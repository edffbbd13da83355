#include "platform/CommandLine.hpp"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

using Words = std::vector<std::wstring>;

// Quoted paths with blanks are the Outlook Express export's and the native shell's tests.
TEST(SplitCommandLine, FollowsTheBlankBackslashAndQuoteRules) {
    EXPECT_EQ(SplitCommandLine(L"  a\t b  "), (Words{L"a", L"b"}));
    EXPECT_EQ(SplitCommandLine(L"   "), Words{});
    EXPECT_EQ(SplitCommandLine(L"a \"\" b"), (Words{L"a", L"", L"b"}));
    EXPECT_EQ(SplitCommandLine(L"p a\\\\\\\"b"), (Words{L"p", L"a\\\"b"}));    // 3 \ + " : \"
    EXPECT_EQ(SplitCommandLine(L"p \"a\\\\\" b"), (Words{L"p", L"a\\", L"b"}));  // 2 \ + " : \ ends
    EXPECT_EQ(SplitCommandLine(L"p a\\b\\\\c"), (Words{L"p", L"a\\b\\\\c"}));   // no quote: literal
    EXPECT_EQ(SplitCommandLine(L"p \"say \"\"hi\"\"\""), (Words{L"p", L"say \"hi\""}));
    EXPECT_EQ(SplitCommandLine(L"p a\"b c\"d"), (Words{L"p", L"ab cd"}));
    // The program name takes backslashes literally.
    EXPECT_EQ(SplitCommandLine(L"C:\\dir\\\"x y\" z"), (Words{L"C:\\dir\\x y", L"z"}));
}

}  // namespace
}  // namespace orvantis

#include "platform/posix/NativeXmlParser.hpp"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(NativeXmlParser, ReportsTheSourceLineOfAnError) {
    NativeXmlParser parser;
    const auto result = parser.Parse(L"<r>\n  <ok/>\n  <bad attr=1/>\n</r>");
    const auto& error = std::get<XmlParseError>(result);
    EXPECT_EQ(error.sourceText, L"  <bad attr=1/>");
}

// The line is the parser's, as the replacements made it, not the original's.
TEST(NativeXmlParser, ReportsTheSourceLineOfTheTextAsReplaced) {
    NativeXmlParser parser;
    const auto result =
        parser.Parse(ReplacedText(L"<r>a<br/>  <bad attr=1/></r>", L"<br/>", L"\r\n"));
    const auto& error = std::get<XmlParseError>(result);
    EXPECT_EQ(error.sourceText, L"  <bad attr=1/></r>");
}

}  // namespace
}  // namespace orvantis

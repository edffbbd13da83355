#include "platform/posix/NativeXmlParser.hpp"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

// The line is the parser's, as the replacements made it, not the original's.
TEST(NativeXmlParser, ReportsTheSourceLineOfAnErrorInTheTextAsReplaced) {
    NativeXmlParser parser;
    const auto lineOf = [&](const ReplacedText& text) { return std::get<XmlParseError>(parser.Parse(text)).sourceText; };
    EXPECT_EQ(lineOf(ReplacedText(L"<r>\n  <ok/>\n  <bad attr=1/>\n</r>", L"", L"")), L"  <bad attr=1/>");
    EXPECT_EQ(lineOf(ReplacedText(L"<r>a<br/>  <bad attr=1/></r>", L"<br/>", L"\r\n")), L"  <bad attr=1/></r>");
}

}  // namespace
}  // namespace orvantis

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

}  // namespace
}  // namespace orvantis

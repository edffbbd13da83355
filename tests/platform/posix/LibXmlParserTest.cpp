#include "platform/posix/LibXmlParser.hpp"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(LibXmlParser, ExpandsInternalEntitiesOfAnInlineDtd) {
    LibXmlParser parser;
    auto result = parser.Parse(
        L"<!DOCTYPE r [<!ENTITY who \"the &amp; team\">]><r><n> Hello &who;</n></r>");
    const auto& doc = std::get<XmlDocument>(result);
    EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"n").at(0)), L"Hello the & team");
}

TEST(LibXmlParser, ReportsTheSourceLineOfAnError) {
    LibXmlParser parser;
    const auto result = parser.Parse(L"<r>\n  <ok/>\n  <bad attr=1/>\n</r>");
    const auto& error = std::get<XmlParseError>(result);
    EXPECT_EQ(error.sourceText, L"  <bad attr=1/>");
}

}  // namespace
}  // namespace orvantis

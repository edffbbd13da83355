#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/TestHost.hpp"
#include "platform/NativeHost.hpp"
#include "platform/XmlDocument.hpp"

namespace orvantis {
namespace {

// Behaviour that differs between the parsers (the detail of parse errors) is tested beside
// each adapter, under platform/posix and platform/windows.
class XmlParserTest : public ::testing::Test {
protected:
    std::variant<XmlDocument, XmlParseError> Parse(std::wstring_view text) {
        return native_->Get().xml.Parse(text);
    }
    XmlDocument ParseGood(std::wstring_view text, std::wstring_view piece = {},
                          std::wstring_view replacement = {}) {
        auto result = native_->Get().xml.Parse(ReplacedText(text, piece, replacement));
        if (auto* error = std::get_if<XmlParseError>(&result)) {
            ADD_FAILURE() << "parse error: " << std::string(error->reason.begin(), error->reason.end());
            return XmlDocument();
        }
        return std::move(std::get<XmlDocument>(result));
    }

    test::RecordingUserInterface ui_;
    std::unique_ptr<NativeHost> native_ = CreateNativeHost(ui_);
};

std::wstring Repeat(std::wstring_view piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST_F(XmlParserTest, KeepsElementsInDocumentOrderWithExactNamesAndAttributes) {
    const XmlDocument doc = ParseGood(
        L"<datas xmlns:x='urn:x' open='a&amp;b' Open='no' x:id='p'><contact><id>1</id></contact>"
        L"<x><y><contact><id>2</id></contact></y></x><Contact/><x:contact/><contact>3</contact>"
        L"</datas>");
    const auto contacts = doc.ElementsByTagName(L"contact");  // case and prefix count
    ASSERT_EQ(contacts.size(), 3u);
    EXPECT_EQ(doc.TextContent(contacts[1]), L"2");
    EXPECT_EQ(doc.TextContent(contacts[2]), L"3");
    EXPECT_EQ(doc.ElementsByTagName(L"x:contact").size(), 1u);
    const auto datas = doc.ElementsByTagName(L"datas").at(0);
    EXPECT_EQ(doc.Attribute(datas, L"open"), L"a&b");
    EXPECT_EQ(doc.Attribute(datas, L"x:id"), L"p");
    EXPECT_FALSE(doc.Attribute(datas, L"id").has_value());
}

TEST_F(XmlParserTest, DropsWhitespaceOnlyTextButKeepsEveryOtherChildKind) {
    const XmlDocument doc = ParseGood(
        L"<c>\n  <a> x </a>\r\n\t<!-- note --><![CDATA[ ]]><?pi data?>text<b/>  </c>");
    std::vector<std::pair<XmlNodeKind, std::wstring>> children;
    const auto c = doc.ElementsByTagName(L"c").at(0);
    for (auto child = doc.FirstChild(c); child != XmlDocument::kNone; child = doc.NextSibling(child)) {
        children.emplace_back(doc.Kind(child), doc.Name(child));
    }
    EXPECT_EQ(children, (std::vector<std::pair<XmlNodeKind, std::wstring>>{
                            {XmlNodeKind::Element, L"a"},
                            {XmlNodeKind::Comment, L""},
                            {XmlNodeKind::CData, L""},
                            {XmlNodeKind::ProcessingInstruction, L"pi"},
                            {XmlNodeKind::Text, L""},
                            {XmlNodeKind::Element, L"b"}}));
}

TEST_F(XmlParserTest, TextContentJoinsDescendantsExpandsReferencesNormalisesLineEndsAndTrims) {
    // The encoding declaration is ignored: the text is decoded already.
    const XmlDocument doc = ParseGood(
        L"<?xml version='1.0' encoding='ISO-8859-1'?><r><n>  Hello <b>bold</b> &amp; &#233;"
        L"&#x1F600;\u20AC <![CDATA[<raw>]]><!-- hidden -->\r\nend\rx\n</n></r>");
    EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"n").at(0)),
              L"Hello bold & \u00E9\U0001F600\u20AC <raw>\nend\nx");
}

TEST_F(XmlParserTest, ReadsTheTextAsItsReplacementsMakeItWhereverTheyFall) {
    // Around 65,536 characters, where an adapter that reads in parts may cut the text.
    for (const std::size_t at : {65'530u, 65'533u, 65'535u, 65'536u}) {
        const std::wstring text = L"<r>" + std::wstring(at - 3, L'x') + L"<br/>y<br/></r>";
        const XmlDocument doc = ParseGood(text, L"<br/>", L"\r\n");
        EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"r").at(0)), std::wstring(at - 3, L'x') + L"\ny") << at;
    }
    // Replaced before the parser sees it, the tag is no element.
    const XmlDocument doc = ParseGood(L"<r>a<br/>b</r>", L"<br/>", L"\r\n");
    EXPECT_TRUE(doc.ElementsByTagName(L"br").empty());
    EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"r").at(0)), L"a\nb");
}

TEST_F(XmlParserTest, KeepsEveryTextWhereverItFallsInTheDocumentsStorage) {
    // Texts of one to four bytes a character, of lengths that end on and across the storage's
    // block edges, one longer than a block, and text after it.
    std::vector<std::wstring> texts;
    const std::wstring_view pieces[] = {L"a", L"\u00E9", L"\u20AC", L"\U0001F600"};
    for (int i = 0; i < 1'500; ++i) {
        std::wstring text;
        for (int k = 0; k < (i * 37) % 301 + 1; ++k) text += pieces[(i + k) % 4];
        texts.push_back(text);
        if (i == 700) texts.push_back(Repeat(L"\u00E9x\U0001F600", 40'000));
    }
    std::wstring document = L"<r>";
    for (const auto& text : texts) document += L"<t>" + text + L"</t>\n";
    const XmlDocument doc = ParseGood(document + L"</r>");
    const auto elements = doc.ElementsByTagName(L"t");
    ASSERT_EQ(elements.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(doc.TextContent(elements[i]), texts[i]) << i;
    }
}

TEST_F(XmlParserTest, ReportsMalformedTextWithACodeAndAReason) {
    for (const auto* text : {L"", L"   ", L"<a>", L"<a></b>", L"no markup", L"<a/><b/>",
                             L"<a x='1' x='2'/>", L"<a>&undefined;</a>"}) {
        const auto result = Parse(text);
        ASSERT_TRUE(std::holds_alternative<XmlParseError>(result)) << "accepted: " << text;
        EXPECT_NE(std::get<XmlParseError>(result).code, 0);
        EXPECT_FALSE(std::get<XmlParseError>(result).reason.empty());
    }
}

TEST_F(XmlParserTest, RefusesDocumentTypesAndDeepNestingAlikeOnEveryPlatform) {
    const auto nested = [](std::size_t depth) {
        return Repeat(L"<b>", static_cast<int>(depth)) + L"x" +
               Repeat(L"</b>", static_cast<int>(depth));
    };
    const std::pair<std::wstring, XmlParseError> refused[] = {
        {L"<!DOCTYPE r><r/>", DocumentTypeRefusedError()},
        {L"<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>",
         DocumentTypeRefusedError()},
        {L"<?xml version='1.0'?>\n<!-- c --><?pi x?> <!DOCTYPE r><r/>", DocumentTypeRefusedError()},
        {nested(kMaxElementDepth + 1), NestingTooDeepError()},
    };
    for (const auto& [text, expected] : refused) {
        const auto result = Parse(text);
        const auto* error = std::get_if<XmlParseError>(&result);
        ASSERT_NE(error, nullptr) << "accepted: " << text.substr(0, 60);
        EXPECT_EQ(error->reason, expected.reason) << text.substr(0, 60);
        EXPECT_EQ(error->code, expected.code);
    }
    // Far deeper, Wine's MSXML refuses by itself, in its own words.
    EXPECT_TRUE(std::holds_alternative<XmlParseError>(Parse(nested(100'000))));
    const XmlDocument deepest = ParseGood(nested(kMaxElementDepth));
    EXPECT_EQ(deepest.TextContent(XmlDocument::kRoot), L"x");
    const XmlDocument notInProlog =
        ParseGood(L"<r><![CDATA[<!DOCTYPE r>]]><!--<!DOCTYPE r>--></r>");
    EXPECT_EQ(notInProlog.TextContent(XmlDocument::kRoot), L"<!DOCTYPE r>");
}

}  // namespace
}  // namespace orvantis

// The native XML parser (libxml2 on Linux, MSXML on Windows) filling the core's document.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/NativeHost.hpp"
#include "platform/XmlDocument.hpp"

namespace orvantis {
namespace {

// Behaviour that differs between the parsers (internal DTDs, the detail of parse errors) is
// tested beside each adapter, under platform/posix and platform/windows.
class NullUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring&, const std::wstring&, int) override { return 1; }
};

class XmlParserTest : public ::testing::Test {
protected:
    std::variant<XmlDocument, XmlParseError> Parse(std::wstring_view text) {
        return native_->Get().xml.Parse(text);
    }
    XmlDocument ParseGood(std::wstring_view text) {
        auto result = Parse(text);
        if (auto* error = std::get_if<XmlParseError>(&result)) {
            ADD_FAILURE() << "parse error: " << std::string(error->reason.begin(), error->reason.end());
            return XmlDocument();
        }
        return std::move(std::get<XmlDocument>(result));
    }

    NullUserInterface ui_;
    std::unique_ptr<NativeHost> native_ = CreateNativeHost(ui_);
};

TEST_F(XmlParserTest, FindsElementsAnywhereInDocumentOrder) {
    const XmlDocument doc = ParseGood(
        L"<r><contact><id>1</id></contact><x><y><contact><id>2</id></contact></y></x>"
        L"<contact><id>3</id></contact><Contact><id>4</id></Contact></r>");
    const auto contacts = doc.ElementsByTagName(L"contact");
    ASSERT_EQ(contacts.size(), 3u);  // names are case-sensitive
    EXPECT_EQ(doc.TextContent(contacts[0]), L"1");
    EXPECT_EQ(doc.TextContent(contacts[1]), L"2");
    EXPECT_EQ(doc.TextContent(contacts[2]), L"3");
}

TEST_F(XmlParserTest, DropsWhitespaceOnlyTextButKeepsEveryOtherChildKind) {
    const XmlDocument doc = ParseGood(
        L"<c>\n  <a> x </a>\r\n\t<!-- note --><![CDATA[ ]]><?pi data?>text<b/>  </c>");
    const auto c = doc.ElementsByTagName(L"c").at(0);
    std::vector<XmlNodeKind> kinds;
    std::vector<std::wstring> names;
    for (auto child = doc.FirstChild(c); child != XmlDocument::kNone; child = doc.NextSibling(child)) {
        kinds.push_back(doc.Kind(child));
        names.emplace_back(doc.Name(child));
    }
    EXPECT_EQ(kinds, (std::vector<XmlNodeKind>{XmlNodeKind::Element, XmlNodeKind::Comment,
                                               XmlNodeKind::CData,
                                               XmlNodeKind::ProcessingInstruction,
                                               XmlNodeKind::Text, XmlNodeKind::Element}));
    EXPECT_EQ(names[0], L"a");
    EXPECT_EQ(names[3], L"pi");
    EXPECT_EQ(names[5], L"b");
}

TEST_F(XmlParserTest, TextContentJoinsDescendantsExpandsReferencesAndTrimsTheEnds) {
    const XmlDocument doc = ParseGood(
        L"<r><n>  Hello <b>bold</b> the &amp; team &#233;&#x1F600; <![CDATA[<raw>]]><!-- hidden -->\n</n></r>");
    EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"n").at(0)),
              L"Hello bold the & team \u00E9\U0001F600 <raw>");
}

TEST_F(XmlParserTest, NormalisesLineEndsAsXmlRequires) {
    const XmlDocument doc = ParseGood(L"<r><n>one\r\ntwo\rthree</n></r>");
    EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"n").at(0)), L"one\ntwo\nthree");
}

TEST_F(XmlParserTest, ReadsAttributesByExactName) {
    const XmlDocument doc = ParseGood(L"<datas open=\"a&amp;b\" Open=\"no\" other=''/>");
    const auto datas = doc.ElementsByTagName(L"datas").at(0);
    EXPECT_EQ(doc.Attribute(datas, L"open"), L"a&b");
    EXPECT_EQ(doc.Attribute(datas, L"other"), L"");
    EXPECT_FALSE(doc.Attribute(datas, L"missing").has_value());
}

TEST_F(XmlParserTest, IgnoresTheEncodingDeclarationOfDecodedText) {
    const XmlDocument doc =
        ParseGood(L"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\u00E9\u20AC\u4E2D</r>");
    EXPECT_EQ(doc.TextContent(doc.ElementsByTagName(L"r").at(0)), L"\u00E9\u20AC\u4E2D");
    const XmlDocument utf16 = ParseGood(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r>x</r>");
    EXPECT_EQ(utf16.TextContent(utf16.ElementsByTagName(L"r").at(0)), L"x");
}

TEST_F(XmlParserTest, ReportsMalformedTextWithCodeReasonAndSourceLine) {
    for (const auto* text : {L"", L"   ", L"<a>", L"<a></b>", L"no markup", L"<a/><b/>",
                             L"<a x='1' x='2'/>", L"<a>&undefined;</a>"}) {
        const auto result = Parse(text);
        ASSERT_TRUE(std::holds_alternative<XmlParseError>(result)) << "accepted: " << text;
        const auto& error = std::get<XmlParseError>(result);
        EXPECT_NE(error.code, 0);
        EXPECT_FALSE(error.reason.empty());
    }
}

TEST_F(XmlParserTest, NeverLoadsAnExternalEntityOrDtd) {
    const std::wstring documents[] = {
        L"<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r><n>&x;</n></r>",
        L"<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><r><n>a&x;b</n></r>",
        L"<!DOCTYPE r SYSTEM \"file:///etc/passwd\"><r><n>safe</n></r>",
        L"<!DOCTYPE r [<!ENTITY % p SYSTEM \"file:///etc/passwd\"> %p;]><r><n>safe</n></r>",
    };
    for (const auto& text : documents) {
        const auto result = Parse(text);
        if (const auto* doc = std::get_if<XmlDocument>(&result)) {
            const auto notes = doc->ElementsByTagName(L"n");
            ASSERT_EQ(notes.size(), 1u);
            const std::wstring content = doc->TextContent(notes[0]);
            EXPECT_EQ(content.find(L"root:"), std::wstring::npos);
            EXPECT_LE(content.size(), 4u) << "external content leaked into the document";
        }  // refusing the document outright is just as safe
    }
}

TEST_F(XmlParserTest, RefusesEntityExpansionBombsQuickly) {
    std::wstring laughs = L"<!DOCTYPE r [<!ENTITY l0 \"lollollollollollollollollollol\">";
    for (int i = 1; i <= 9; ++i) {
        laughs += L"<!ENTITY l" + std::to_wstring(i) + L" \"";
        for (int k = 0; k < 10; ++k) laughs += L"&l" + std::to_wstring(i - 1) + L";";
        laughs += L"\">";
    }
    laughs += L"]><r>&l9;</r>";
    // One large entity referenced many times: quadratic rather than exponential growth.
    std::wstring quadratic = L"<!DOCTYPE r [<!ENTITY big \"" + std::wstring(100000, L'x') + L"\">]><r>";
    for (int i = 0; i < 20000; ++i) quadratic += L"&big;";
    quadratic += L"</r>";

    for (const auto* text : {&laughs, &quadratic}) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = Parse(*text);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_TRUE(std::holds_alternative<XmlParseError>(result));
#ifdef ORVANTIS_SANITIZE
        EXPECT_LT(elapsed, std::chrono::seconds(5));  // sanitizers slow every copy down
#else
        EXPECT_LT(elapsed, std::chrono::seconds(1));
#endif
    }
}

TEST_F(XmlParserTest, RefusesEntitiesThatMultiplyElementsQuickly) {
    // Few characters of text, but a hundred million empty elements once expanded.
    std::wstring elements = L"<!DOCTYPE r [<!ENTITY m \"";
    for (int i = 0; i < 1000; ++i) elements += L"<x/>";
    elements += L"\">]><r>";
    for (int i = 0; i < 100000; ++i) elements += L"&m;";
    elements += L"</r>";

    const auto start = std::chrono::steady_clock::now();
    const auto result = Parse(elements);
    const auto elapsed = std::chrono::steady_clock::now() - start;
#ifdef ORVANTIS_SANITIZE
    EXPECT_LT(elapsed, std::chrono::seconds(5));  // sanitizers slow every node down
#else
    EXPECT_LT(elapsed, std::chrono::seconds(1));
#endif
    ASSERT_TRUE(std::holds_alternative<XmlParseError>(result));
    EXPECT_NE(std::get<XmlParseError>(result).code, 0);
}

TEST_F(XmlParserTest, NamesKeepTheirPrefix) {
    // Names are compared exactly, prefix included: x:contact is no contact.
    const XmlDocument doc = ParseGood(
        L"<datas xmlns:x=\"urn:x\" x:open=\"no\"><x:contact/><contact><x:id>1</x:id></contact></datas>");
    EXPECT_EQ(doc.ElementsByTagName(L"contact").size(), 1u);
    EXPECT_EQ(doc.ElementsByTagName(L"x:contact").size(), 1u);
    const auto contact = doc.ElementsByTagName(L"contact").at(0);
    EXPECT_EQ(doc.Name(doc.FirstChild(contact)), L"x:id");
    const auto datas = doc.ElementsByTagName(L"datas").at(0);
    EXPECT_FALSE(doc.Attribute(datas, L"open").has_value());
    EXPECT_EQ(doc.Attribute(datas, L"x:open"), L"no");
}

}  // namespace
}  // namespace orvantis

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/XmlDocument.hpp"

namespace orvantis {
namespace {

TEST(XmlDocumentTest, DroppingIndentationBetweenManySiblingsStaysLinear) {
    // Indentation between siblings once made a 200,000-item document take minutes: each
    // dropped text was unlinked by walking the sibling list.
    constexpr int kChildren = 200'000;
    const auto start = std::chrono::steady_clock::now();
    XmlDocument document;
    document.StartElement(L"datas");
    for (int i = 0; i < kChildren; ++i) {
        document.AddCharacterData(XmlNodeKind::Text, L"\n  ");
        document.StartElement(L"contact");
        document.AddCharacterData(XmlNodeKind::Text, L"x");
        document.EndElement();
    }
    document.AddCharacterData(XmlNodeKind::Text, L"\n");
    document.EndElement();
    document.Finish();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

    const auto contacts = document.ElementsByTagName(L"contact");
    ASSERT_EQ(contacts.size(), static_cast<std::size_t>(kChildren));
    const auto datas = document.FirstChild(XmlDocument::kRoot);
    EXPECT_EQ(document.FirstChild(datas), contacts.front());
    EXPECT_EQ(document.NextSibling(contacts.front()), contacts[1]);
    EXPECT_EQ(document.NextSibling(contacts.back()), XmlDocument::kNone);
}

TEST(XmlDocumentTest, TextContentOfDeepMarkupDoesNotExhaustTheStack) {
    constexpr int kDepth = 1'000'000;
    XmlDocument document;
    for (int i = 0; i < kDepth; ++i) document.StartElement(L"b");
    document.AddCharacterData(XmlNodeKind::Text, L"deep");
    for (int i = 0; i < kDepth; ++i) document.EndElement();
    document.AddCharacterData(XmlNodeKind::Comment, L"after");
    document.Finish();
    EXPECT_EQ(document.TextContent(XmlDocument::kRoot), L"deep");
}

// The tree as nested text: a letter for the kind (M a comment, C a CDATA section), the name,
// and "=" the text content for character data.
std::wstring Shape(const XmlDocument& document, XmlDocument::NodeId node) {
    static constexpr wchar_t kKinds[] = L"DETCMP";
    std::wstring shape(1, kKinds[static_cast<int>(document.Kind(node))]);
    shape += document.Name(node);
    if (document.Kind(node) != XmlNodeKind::Element && document.Kind(node) != XmlNodeKind::Document) {
        return shape + L"=" + document.TextContent(node);
    }
    if (document.FirstChild(node) == XmlDocument::kNone) return shape;
    shape += L"(";
    for (auto child = document.FirstChild(node); child != XmlDocument::kNone;
         child = document.NextSibling(child)) {
        if (shape.back() != L'(') shape += L" ";
        shape += Shape(document, child);
    }
    return shape + L")";
}

TEST(XmlDocumentTest, LinksChildrenAndSiblingsWhereverWhitespaceIsDropped) {
    using Build = std::function<void(XmlDocument&)>;
    const auto text = [](const wchar_t* t) {
        return [t](XmlDocument& d) { d.AddCharacterData(XmlNodeKind::Text, t); };
    };
    const auto start = [](const wchar_t* name) { return [name](XmlDocument& d) { d.StartElement(name); }; };
    const Build end = [](XmlDocument& d) { d.EndElement(); };
    const auto comment = [](const wchar_t* t) {
        return [t](XmlDocument& d) { d.AddCharacterData(XmlNodeKind::Comment, t); };
    };
    const std::pair<std::vector<Build>, std::wstring> cases[] = {
        {{start(L"r"), text(L" "), start(L"a"), end, text(L"\n "), start(L"b"), end, text(L"\n"), end},
         L"D(Er(Ea Eb))"},
        {{start(L"r"), text(L" \t"), text(L"\r\n"), end}, L"D(Er)"},
        {{start(L"r"), text(L"a"), text(L" "), text(L"b"), end}, L"D(Er(T=a b))"},
        {{start(L"r"), text(L"a"), comment(L"c"), text(L"b"), end}, L"D(Er(T=a M= T=b))"},
        {{start(L"r"), start(L"a"), start(L"b"), text(L"x"), end, text(L"  "), end, text(L"y"), end},
         L"D(Er(Ea(Eb(T=x)) T=y))"},
        {{start(L"r"), start(L"a"), text(L"\u00E9\u20AC"), end, start(L"a"), text(L" "), end,
          start(L"a"), end, end},
         L"D(Er(Ea(T=\u00E9\u20AC) Ea Ea))"},
        // Left open: Finish closes what is open.
        {{start(L"r"), start(L"a"), text(L"x")}, L"D(Er(Ea(T=x)))"},
    };
    for (const auto& [calls, expected] : cases) {
        XmlDocument document;
        for (const auto& call : calls) call(document);
        document.Finish();
        EXPECT_EQ(Shape(document, XmlDocument::kRoot), expected);
    }
}

}  // namespace
}  // namespace orvantis

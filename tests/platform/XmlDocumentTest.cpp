// The core's document model as the parser adapters build it.

#include <gtest/gtest.h>

#include <chrono>

#include "platform/XmlDocument.hpp"

namespace orvantis {
namespace {

TEST(XmlDocumentTest, DroppingIndentationBetweenManySiblingsStaysLinear) {
    // Each dropped whitespace text is unlinked from its parent; finding its previous sibling
    // by walking the list made a 200,000-item document take minutes.
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

}  // namespace
}  // namespace orvantis

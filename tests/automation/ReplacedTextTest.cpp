#include "automation/ReplacedText.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/Text.hpp"

namespace orvantis {
namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Reads the text in parts of `limit` characters, checking that every part but the last is
// full, or one short where it holds back the first half of a surrogate pair.
std::wstring ReadInParts(const ReplacedText& text, std::size_t limit) {
    ReplacedText::Reader reader(text);
    std::wstring whole;
    bool heldBack = false;
    while (!reader.AtEnd()) {
        std::wstring part;
        reader.Read(limit, [&part](std::wstring_view run) { part += run; });
        EXPECT_LE(part.size(), limit);
        if (part.empty()) {
            // Only where all that was left is replaced by nothing.
            EXPECT_TRUE(reader.AtEnd());
            break;
        }
        EXPECT_TRUE(!heldBack || IsHighSurrogate(part.front()));
        EXPECT_TRUE(reader.AtEnd() || !IsHighSurrogate(part.back()));
        heldBack = !reader.AtEnd() && part.size() < limit;
        EXPECT_TRUE(!heldBack || part.size() == limit - 1);
        whole += part;
    }
    return whole;
}

TEST(ReplacedText, ReadInAnyPartsGivesWhatReplaceAllGives) {
    const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    const std::vector<std::wstring> texts = {
        L"",
        L"<br/>",
        L"<br/><br/>",
        L"a<br/>b<br/>",
        L"no tag here at all",
        L"<br<br/>/>",         // what a replacement leaves is not scanned again
        L"<br/<br />><br/",    // near misses stay
        L"x" + pair + L"<br/>" + pair + pair + L"y" + pair,
    };
    for (const auto& text : texts) {
        for (const auto& [piece, replacement] :
             {std::pair<std::wstring_view, std::wstring_view>{L"<br/>", L"\r\n"},
              {L"<br/>", L""},
              {L"<br/>", L"[a long replacement]"}}) {
            const ReplacedText replaced(text, piece, replacement);
            const std::wstring expected = ReplaceAll(text, piece, replacement);
            EXPECT_EQ(replaced.Whole(), expected);
            for (std::size_t limit = 2; limit <= expected.size() + 1; ++limit) {
                EXPECT_EQ(ReadInParts(replaced, limit), expected)
                    << "limit " << limit << ", replacement length " << replacement.size();
            }
        }
    }
}

TEST(ReplacedText, AnEmptyPieceReplacesNothing) {
    const ReplacedText replaced(L"a<br/>b", L"", L"\r\n");
    EXPECT_EQ(replaced.Whole(), L"a<br/>b");
    EXPECT_EQ(ReadInParts(replaced, 3), L"a<br/>b");
}

}  // namespace
}  // namespace orvantis

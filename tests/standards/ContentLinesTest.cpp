#include "standards/ContentLines.hpp"

#include <gtest/gtest.h>

#include "automation/Unicode.hpp"

namespace orvantis {
namespace {

TEST(EscapedText, EscapesSeparatorsAndEveryKindOfLineBreakAndDropsOtherControls) {
    const std::pair<std::wstring, std::string> cases[] = {
        {L"a\\b;c,d", "a\\\\b\\;c\\,d"},
        {L"1\r\n2\r3\n4", "1\\n2\\n3\\n4"},
        {L"tab\tkept\x01\x7F", "tab\tkept"},
        {L"Кириллица 日本 🎉", "Кириллица 日本 🎉"},
    };
    for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapedText(text), escaped) << Utf8FromWide(text);
    EXPECT_EQ(StructuredText({L"Martin; Jr.", L"", L"a,b"}), "Martin\\; Jr.;;a\\,b");
}

// Unfolds the lines (CR LF and one blank removed) and checks every physical line on the way.
std::string Unfolded(const std::string& text) {
    std::string unfolded;
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(WideFromUtf8(line).has_value()) << "a UTF-8 sequence split: " << line;
        EXPECT_TRUE(first || line.front() == ' ') << line;
        unfolded += first ? line : line.substr(1);
        first = false;
        start = end + 2;
    }
    return unfolded;
}

TEST(ContentLines, FoldsAt75OctetsWithoutSplittingACharacterOfAnyWidth) {
    for (const std::wstring unit : {L"a", L"ж", L"日", L"🎉"}) {
        for (std::size_t count : {1u, 68u, 69u, 70u, 200u}) {
            std::wstring value;
            for (std::size_t i = 0; i < count; ++i) value += unit;
            ContentLines lines;
            lines.AddText("NOTE", value);
            EXPECT_EQ(Unfolded(lines.Text()), "NOTE:" + Utf8FromWide(value));
        }
    }
    // 75 octets stand on one line, 76 do not.
    ContentLines exact;
    exact.Add("X", std::string(73, 'a'));
    EXPECT_EQ(exact.Text(), "X:" + std::string(73, 'a') + "\r\n");
    ContentLines over;
    over.Add("X", std::string(74, 'a'));
    EXPECT_EQ(over.Text(), "X:" + std::string(73, 'a') + "\r\n a\r\n");
}

}  // namespace
}  // namespace orvantis

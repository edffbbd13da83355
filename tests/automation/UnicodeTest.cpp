#include "automation/Unicode.hpp"

#include <gtest/gtest.h>

namespace orvantis {
namespace {

TEST(UnicodeTest, Utf16PairsBecomeOneCharacterAndLoneSurrogatesAreRefused) {
    EXPECT_EQ(WideFromUtf16(u"a\u00E9\U0001F600"), std::wstring(L"a\u00E9\U0001F600"));
    EXPECT_EQ(WideFromUtf16(std::u16string(1, u'\xD83D')), std::nullopt);        // high alone
    EXPECT_EQ(WideFromUtf16(std::u16string{u'\xD83D', u'x'}), std::nullopt);     // high, no low
    EXPECT_EQ(WideFromUtf16(std::u16string{u'x', u'\xDE00'}), std::nullopt);     // low alone
}

TEST(UnicodeTest, Utf8RefusesWhatIsNotUtf8) {
    EXPECT_EQ(WideFromUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), std::wstring(L"\u00E9\u20AC\U0001F600"));
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xFF", "\xC3(", "\x80"}) {
        EXPECT_EQ(WideFromUtf8(bad), std::nullopt) << bad;
    }
}

TEST(UnicodeTest, WideTextThatIsNotUnicodeBecomesTheReplacementCharacter) {
    std::wstring text = L"a";
    text += static_cast<wchar_t>(0xD800);
    EXPECT_EQ(Utf8FromWide(text), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace orvantis

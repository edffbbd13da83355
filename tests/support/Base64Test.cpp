#include <gtest/gtest.h>

#include <string>

#include "automation/AutomationError.hpp"
#include "platform/CodePage.hpp"
#include "support/base64.hpp"

namespace orvantis::base64 {
namespace {

std::wstring Encoded(const std::wstring& text) {
    return Base64Encode(Variant(text)).ToText();
}
std::wstring Decoded(const std::wstring& text) {
    return Base64Decode(Variant(text)).ToText();
}

// The error the decoder raises for text; the test fails when it raises none.
AutomationError DecodeError(const std::wstring& text) {
    try {
        Base64Decode(Variant(text));
    } catch (const AutomationError& error) {
        return error;
    }
    ADD_FAILURE() << "no error for " << ToAnsi(text);
    return AutomationError(0, L"", L"");
}

TEST(Base64, EncodesAndDecodesTheRfc4648Vectors) {
    const std::pair<const wchar_t*, const wchar_t*> vectors[] = {
        {L"f", L"Zg=="},        {L"fo", L"Zm8="},        {L"foo", L"Zm9v"},
        {L"foob", L"Zm9vYg=="}, {L"fooba", L"Zm9vYmE="}, {L"foobar", L"Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(Encoded(plain), encoded);
        EXPECT_EQ(Decoded(encoded), plain);
    }
}

TEST(Base64, EmptyTextGivesAnEmptyVariantBothWays) {
    EXPECT_TRUE(Base64Encode(Variant(L"")).IsEmpty());
    EXPECT_TRUE(Base64Encode(Variant()).IsEmpty());
    EXPECT_TRUE(Base64Decode(Variant(L"")).IsEmpty());
    EXPECT_TRUE(Base64Decode(Variant(L" \t\r\n")).IsEmpty());
}

TEST(Base64, EverySingleByteCodeRoundTrips) {
    std::string bytes;
    for (int code = 0; code < 256; ++code) bytes += static_cast<char>(code);
    for (std::size_t length = 0; length <= bytes.size(); length += 37) {
        const std::wstring text = FromAnsi(std::string_view(bytes).substr(0, length + 1));
        EXPECT_EQ(ToAnsi(Decoded(Encoded(text))), ToAnsi(text)) << length;
    }
    EXPECT_EQ(Encoded(FromAnsi("\xff\xfe\x80")), L"//6A");
    EXPECT_EQ(Encoded(L"caf\u00e9 \u20ac"), L"Y2Fm6SCA");  // é and € by their 1252 codes
}

TEST(Base64, LongTextStaysOnOneLine) {
    const std::wstring encoded = Encoded(std::wstring(60, L'x'));
    EXPECT_EQ(encoded.size(), 80u);
    EXPECT_EQ(encoded.find_first_of(L"\r\n"), std::wstring::npos);
}

TEST(Base64, DecodingIgnoresCrLfPairsTabsAndSpaces) {
    EXPECT_EQ(Decoded(L"Zm9v\r\nYmFy"), L"foobar");
    EXPECT_EQ(Decoded(L" Zm 9v\tYm\r\nFy "), L"foobar");
    // The space goes last, so it cannot join a CR and an LF into a pair that is removed.
    EXPECT_EQ(DecodeError(L"Zm9v\r \nYmFy").Number(), 1);
}

TEST(Base64, DecodingTakesPadsAnywhereInAGroup) {
    EXPECT_EQ(Decoded(L"Zg==Zm8="), L"ffo");
    // A pad counts as a zero digit: "Zm=v" is Zm, 0, v and yields two characters.
    EXPECT_EQ(ToAnsi(Decoded(L"Zm=v")), std::string("f\x60", 2));
    EXPECT_EQ(Decoded(L"Z==="), L"");
}

TEST(Base64, DecodingRaisesItsOwnErrorsWithTheirTexts) {
    const AutomationError badLength = DecodeError(L"Zm9");
    EXPECT_EQ(badLength.Number(), 1);
    EXPECT_EQ(badLength.Source(), L"Base64Decode");
    EXPECT_EQ(badLength.Description(), L"Bad Base64 string.");

    const AutomationError badCharacter = DecodeError(L"Zm9v!A==");
    EXPECT_EQ(badCharacter.Number(), 2);
    EXPECT_EQ(badCharacter.Source(), L"Base64Decode");
    EXPECT_EQ(badCharacter.Description(), L"Bad character In Base64 string.");

    // A lone LF stays in the text: error 1 when the length is off, else error 2.
    EXPECT_EQ(DecodeError(L"Zm9v\nYmFy").Number(), 1);
    EXPECT_EQ(DecodeError(L"Zm9\nYmFy").Number(), 2);
    EXPECT_EQ(DecodeError(L"Zm9v-_==").Number(), 2);  // the URL-safe alphabet is not taken
    EXPECT_EQ(DecodeError(L"Zm9v\u00e9A==").Number(), 2);

    const AutomationError allPads = DecodeError(L"Zm9v====");
    EXPECT_EQ(allPads.Number(), 5);
    EXPECT_EQ(allPads.Source(), L"Base64Decode");
}

TEST(CharCodeOrZero, GivesTheSingleByteCodeOfTheFirstCharacter) {
    EXPECT_EQ(CharCodeOrZero(L""), 0);
    EXPECT_EQ(CharCodeOrZero(L"A"), 65);
    EXPECT_EQ(CharCodeOrZero(L"\u00e9"), 0xE9);
    EXPECT_EQ(CharCodeOrZero(L"\u20ac"), 0x80);
    EXPECT_EQ(CharCodeOrZero(L"\u4e2d"), '?');
}

}  // namespace
}  // namespace orvantis::base64

#include <gtest/gtest.h>

#include <string>

#include "fakes/Errors.hpp"
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

TEST(Base64, EncodesAndDecodesTheRfc4648VectorsAndEveryByte) {
    const std::pair<const wchar_t*, const wchar_t*> vectors[] = {
        {L"f", L"Zg=="},         {L"fo", L"Zm8="},         {L"foo", L"Zm9v"},  {L"foob", L"Zm9vYg=="},
        {L"fooba", L"Zm9vYmE="}, {L"foobar", L"Zm9vYmFy"}, {L"caf\u00e9 \u20ac", L"Y2Fm6SCA"}};
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(Encoded(plain), encoded);
        EXPECT_EQ(Decoded(encoded), plain);
    }
    std::string bytes;
    for (int code = 0; code < 256; ++code) bytes += static_cast<char>(code);
    EXPECT_EQ(ToAnsi(Decoded(Encoded(FromAnsi(bytes)))), bytes);
    EXPECT_EQ(Encoded(std::wstring(60, L'x')).size(), 80u);  // one line, however long
    EXPECT_TRUE(Base64Encode(Variant(L"")).IsEmpty());
    EXPECT_TRUE(Base64Encode(Variant()).IsEmpty());
    EXPECT_TRUE(Base64Decode(Variant(L" \t\r\n")).IsEmpty());
}

TEST(Base64, DecodingSkipsBlanksAndCrLfPairsAndTakesPadsAnywhere) {
    EXPECT_EQ(Decoded(L" Zm 9v\tYm\r\nFy "), L"foobar");
    EXPECT_EQ(Decoded(L"Zg==Zm8="), L"ffo");
    // A pad counts as a zero digit: "Zm=v" is Zm, 0, v and yields two characters.
    EXPECT_EQ(ToAnsi(Decoded(L"Zm=v")), std::string("f\x60", 2));
}

TEST(Base64, DecodingRaisesItsOwnErrors) {
    const std::pair<const wchar_t*, std::int32_t> cases[] = {
        {L"Zm9", 1},
        {L"Zm9v\r \nYmFy", 1},  // a space is removed last, so it cannot join CR and LF
        {L"Zm9v\nYmFy", 1},     // a lone LF stays: error 1 when the length is off, else 2
        {L"Zm9\nYmFy", 2},
        {L"Zm9v!A==", 2},
        {L"Zm9v-_==", 2},  // not the URL-safe alphabet
        {L"Zm9v====", 5}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(test::ErrorNumberOf([&] { Base64Decode(Variant(text)); }), number) << text;
    }
    for (const auto& [text, description] :
         {std::pair{L"Zm9", L"Bad Base64 string."},
          std::pair{L"Zm9v!A==", L"Bad character In Base64 string."}}) {
        const auto error = test::ErrorOf([&] { Base64Decode(Variant(text)); });
        EXPECT_EQ(error.Source(), L"Base64Decode");
        EXPECT_EQ(error.Description(), description);
    }
}

TEST(CharCodeOrZero, GivesTheSingleByteCodeOfTheFirstCharacter) {
    for (const auto& [text, code] : {std::pair{L"", 0}, {L"\u00e9t\u00e9", 0xE9}, {L"\u20ac", 0x80}, {L"\u4e2d", int{'?'}}}) {
        EXPECT_EQ(CharCodeOrZero(text), code) << code;
    }
}

}  // namespace
}  // namespace orvantis::base64

#include "platform/CodePage.hpp"

#include <array>

namespace orvantis {
namespace {

// Windows-1252 bytes 0x80-0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string ToAnsi(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) {
        const auto code = static_cast<char32_t>(c);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            bytes += static_cast<char>(code);
            continue;
        }
        // Bytes that 1252 leaves undefined map to the control character of the same number.
        char byte = code >= 0x80 && code <= 0x9F && kHighControls[code - 0x80] == 0
                        ? static_cast<char>(code)
                        : '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] != 0 && kHighControls[i] == code) {
                byte = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes += byte;
    }
    return bytes;
}

std::wstring FromAnsi(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
            text += static_cast<wchar_t>(kHighControls[byte - 0x80]);
        } else {
            text += static_cast<wchar_t>(byte);
        }
    }
    return text;
}

}  // namespace orvantis

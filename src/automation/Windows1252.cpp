#include "automation/Windows1252.hpp"

#include <algorithm>
#include <array>

namespace orvantis {
namespace {

// Bytes 0x80-0x9F; 0 where the code page has no character. The others are Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::optional<unsigned char> Windows1252Byte(wchar_t character) {
    const auto code = static_cast<char32_t>(character);
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
    const auto found = std::find(kHighControls.begin(), kHighControls.end(), code);
    if (found == kHighControls.end()) return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - kHighControls.begin()));
}

std::optional<wchar_t> Windows1252Character(unsigned char byte) {
    if (byte < 0x80 || byte > 0x9F) return static_cast<wchar_t>(byte);
    if (kHighControls[byte - 0x80] == 0) return std::nullopt;
    return static_cast<wchar_t>(kHighControls[byte - 0x80]);
}

}  // namespace orvantis

#include "exports/RtfText.hpp"

#include <cstdint>

#include "automation/Windows1252.hpp"

namespace orvantis {
namespace {

constexpr wchar_t kHex[] = L"0123456789abcdef";

// RTF numbers a Unicode character by its UTF-16 code units, as signed 16-bit values.
void AppendUnicode(std::wstring& rtf, char32_t code) {
    auto unit = [&](char32_t value) {
        rtf += L"\\u" +
               std::to_wstring(static_cast<std::int16_t>(static_cast<std::uint16_t>(value))) + L'?';
    };
    if (code > 0xFFFF) {
        code -= 0x10000;
        unit(0xD800 + (code >> 10));
        unit(0xDC00 + (code & 0x3FF));
    } else {
        unit(code);
    }
}

}  // namespace

std::wstring RtfText(std::wstring_view value) {
    std::wstring rtf;
    rtf.reserve(value.size());
    for (const wchar_t c : value) {
        if (c == L'\\' || c == L'{' || c == L'}') {
            rtf += L'\\';
            rtf += c;
        } else if (static_cast<char32_t>(c) < 0x80) {
            rtf += c;
        } else if (const auto code = Windows1252Byte(c)) {
            // The header declares code page 1252 whatever the machine's own code page is.
            rtf += {L'\\', L'\'', kHex[*code >> 4], kHex[*code & 15]};
        } else {
            AppendUnicode(rtf, static_cast<char32_t>(c));
        }
    }
    return rtf;
}

}  // namespace orvantis

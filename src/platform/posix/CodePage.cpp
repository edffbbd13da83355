#include "automation/Windows1252.hpp"
#include "platform/CodePage.hpp"

namespace orvantis {

// The five bytes that 1252 leaves undefined stand for the control characters of the same
// number, so that every byte round-trips.
std::string ToAnsi(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) {
        const auto byte = Windows1252Byte(c);
        const bool undefined = c >= 0x80 && c <= 0x9F &&
                               !Windows1252Character(static_cast<unsigned char>(c));
        bytes += static_cast<char>(byte ? *byte : undefined ? static_cast<unsigned char>(c) : '?');
    }
    return bytes;
}

std::wstring FromAnsi(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text += Windows1252Character(byte).value_or(static_cast<wchar_t>(byte));
    }
    return text;
}

std::wstring AnsiCharsetName() { return L"WINDOWS-1252"; }

}  // namespace orvantis

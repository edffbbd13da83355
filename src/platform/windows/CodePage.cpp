#include "platform/windows/Win32.hpp"

#include <climits>
#include <stdexcept>
#include <string>

#include "platform/CodePage.hpp"

namespace orvantis {
namespace {

int Length(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) throw std::length_error("text too long");
    return static_cast<int>(size);
}

bool IsSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// No ANSI code page holds a character beyond the first plane: its surrogate pair becomes one
// "?", as one character of the text (Wine's converter would make two).
std::wstring OneUnitPerCharacter(std::wstring_view text) {
    std::wstring units;
    units.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsSurrogate(text[i])) {
            units += text[i];
            continue;
        }
        const bool pair = text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] <= 0xDFFF;
        if (pair) ++i;
        units += L'?';
    }
    return units;
}

}  // namespace

std::string ToAnsi(std::wstring_view original) {
    if (original.empty()) return {};
    const std::wstring text = OneUnitPerCharacter(original);
    // No best-fit mapping: a character the code page lacks becomes "?", never a look-alike.
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                                         Length(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), Length(text.size()),
                        bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), Length(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), Length(bytes.size()), text.data(), size);
    return text;
}

// The East Asian code pages are known to readers by their IANA names, the others by number.
std::wstring AnsiCharsetName() {
    switch (const UINT codePage = GetACP()) {
        case 932: return L"SHIFT_JIS";
        case 936: return L"GBK";
        case 949: return L"KS_C_5601-1987";
        case 950: return L"BIG5";
        default: return L"WINDOWS-" + std::to_wstring(codePage);
    }
}

}  // namespace orvantis

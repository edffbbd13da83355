#include "exports/DesktopFileName.hpp"

#include <algorithm>
#include <array>

namespace orvantis {
namespace {

constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|";

constexpr std::array<std::wstring_view, 32> kDeviceNames = {
    L"CON",       L"PRN",       L"AUX",       L"NUL",      L"CONIN$", L"CONOUT$",   L"COM0",
    L"COM1",      L"COM2",      L"COM3",      L"COM4",     L"COM5",   L"COM6",      L"COM7",
    L"COM8",      L"COM9",      L"LPT0",      L"LPT1",     L"LPT2",   L"LPT3",      L"LPT4",
    L"LPT5",      L"LPT6",      L"LPT7",      L"LPT8",     L"LPT9",   L"COM\u00b9", L"COM\u00b2",
    L"COM\u00b3", L"LPT\u00b9", L"LPT\u00b2", L"LPT\u00b3"};

wchar_t UpperAscii(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

// Windows opens the device for its name followed by any extension, and ignores blanks
// before the extension.
bool IsDeviceName(std::wstring_view name) {
    std::wstring base(name.substr(0, name.find(L'.')));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    std::transform(base.begin(), base.end(), base.begin(), UpperAscii);
    return std::find(kDeviceNames.begin(), kDeviceNames.end(), base) != kDeviceNames.end();
}

}  // namespace

std::wstring DesktopFileName(std::wstring_view companyName) {
    std::wstring name(companyName);
    for (wchar_t& c : name) {
        if (static_cast<char32_t>(c) < 0x20 || kForbidden.find(c) != kForbidden.npos) c = L'_';
    }
    if (IsDeviceName(name)) name.insert(0, 1, L'_');
    return name + L".rtf";
}

}  // namespace orvantis

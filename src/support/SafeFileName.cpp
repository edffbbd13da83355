#include "support/SafeFileName.hpp"

#include <algorithm>
#include <array>

#include "automation/Text.hpp"

namespace orvantis {
namespace {

constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|";
constexpr std::size_t kMaxPath = 259;  // Windows' MAX_PATH less its terminating NUL
constexpr std::size_t kMaxName = 255;  // the longest file name, on Windows and Linux

// A character's size in UTF-16 units (Windows' measure) and in UTF-8 bytes (Linux's).
struct Size {
    std::size_t units;
    std::size_t bytes;
};

Size SizeOf(char32_t code) {
    if (code < 0x80) return {1, 1};
    if (code < 0x800) return {1, 2};
    if (code < 0x10000) return {1, 3};
    return {2, 4};
}

bool IsHighSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDBFF; }

std::size_t Utf16Units(std::wstring_view text) {
    std::size_t units = 0;
    for (const wchar_t c : text) units += SizeOf(static_cast<char32_t>(c)).units;
    return units;
}

// How many characters of the name, whole characters only (a UTF-16 pair stays whole), fit
// in that many units and bytes: counted alike on every platform so that a name is cut the
// same way everywhere.
std::size_t FittingLength(std::wstring_view name, Size room) {
    std::size_t units = 0;
    std::size_t bytes = 0;
    std::size_t i = 0;
    while (i < name.size()) {
        const auto code = static_cast<char32_t>(name[i]);
        const bool pair = IsHighSurrogate(code) && i + 1 < name.size();
        const Size size = pair ? Size{2, 4} : SizeOf(code);
        if (units + size.units > room.units || bytes + size.bytes > room.bytes) break;
        units += size.units;
        bytes += size.bytes;
        i += pair ? 2 : 1;
    }
    return i;
}

constexpr std::array<std::wstring_view, 32> kDeviceNames = {
    L"CON",       L"PRN",       L"AUX",       L"NUL",      L"CONIN$", L"CONOUT$",   L"COM0",
    L"COM1",      L"COM2",      L"COM3",      L"COM4",     L"COM5",   L"COM6",      L"COM7",
    L"COM8",      L"COM9",      L"LPT0",      L"LPT1",     L"LPT2",   L"LPT3",      L"LPT4",
    L"LPT5",      L"LPT6",      L"LPT7",      L"LPT8",     L"LPT9",   L"COM\u00b9", L"COM\u00b2",
    L"COM\u00b3", L"LPT\u00b9", L"LPT\u00b2", L"LPT\u00b3"};

// Windows opens the device for its name followed by any extension, and ignores blanks
// before the extension.
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.remove_suffix(1);
    return std::any_of(kDeviceNames.begin(), kDeviceNames.end(),
                       [&](std::wstring_view device) { return EqualsIgnoringCase(base, device); });
}

}  // namespace

std::wstring SafeFileName(std::wstring_view shownName, std::wstring_view extension,
                          std::wstring_view folder) {
    std::wstring name(shownName);
    for (wchar_t& c : name) {
        if (static_cast<char32_t>(c) < 0x20 || kForbidden.find(c) != kForbidden.npos) c = L'_';
    }
    if (IsDeviceName(name)) name.insert(0, 1, L'_');
    const std::size_t folderUnits = Utf16Units(folder);
    const std::size_t units = std::min(kMaxName, kMaxPath - std::min(kMaxPath, folderUnits));
    const auto less = [&](std::size_t room) { return room - std::min(room, extension.size()); };
    name.resize(FittingLength(name, {less(units), less(kMaxName)}));
    return name.append(extension);
}

}  // namespace orvantis

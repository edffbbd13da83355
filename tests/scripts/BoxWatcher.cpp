// Presses OK on every message box of the Wine desktop, whichever process shows it, and logs
// each box as "title|text" (line breaks written as \n). Ends when the stop file appears.
// usage: BoxWatcher LOG STOPFILE

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

struct Watch {
    std::FILE* log;
    std::set<HWND> answered;
};

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 4 + 1, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size));
    return bytes;
}

std::wstring TextOf(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    std::wstring flat;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c == L'\r') continue;
        if (*c == L'\n') {
            flat += L"\\n";
        } else {
            flat += *c;
        }
    }
    return flat;
}

BOOL CALLBACK Visit(HWND window, LPARAM context) {
    auto& watch = *reinterpret_cast<Watch*>(context);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    // A box is read once it is shown: before that its title and text may not be set yet.
    if (std::wstring(className) != L"#32770" || watch.answered.count(window) ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    watch.answered.insert(window);
    const std::string line = Utf8(TextOf(window) + L"|" + TextOf(GetDlgItem(window, 0xFFFF)));
    std::fprintf(watch.log, "%s\n", line.c_str());
    std::fflush(watch.log);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    Watch watch{_wfopen(argv[1], L"wb"), {}};
    if (!watch.log) return 2;
    while (GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES) {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&watch));
        Sleep(50);
    }
    std::fclose(watch.log);
    return 0;
}

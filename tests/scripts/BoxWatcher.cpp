// Presses OK on every message box of the Wine desktop, whichever process shows it, and logs
// each box's title, one a line. Ends when the stop file appears.
// usage: BoxWatcher LOG STOPFILE

#include <windows.h>

#include <cstdio>
#include <set>

namespace {

struct Watch {
    std::FILE* log;
    std::set<HWND> answered;
};

BOOL CALLBACK Visit(HWND window, LPARAM context) {
    auto& watch = *reinterpret_cast<Watch*>(context);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    // A box is read once it is shown: before that its title may not be set yet.
    if (wcscmp(className, L"#32770") != 0 || watch.answered.count(window) || !IsWindowVisible(window)) {
        return TRUE;
    }
    watch.answered.insert(window);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    std::fprintf(watch.log, "%s\n", title);
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

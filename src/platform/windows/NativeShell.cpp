#include "platform/windows/NativeShell.hpp"

#include <shlobj.h>
// after shlobj.h, which brings windows.h
#include <shellapi.h>

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/Win32Failure.hpp"

namespace orvantis::windows {
namespace {

void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The thread is asked to end: leave the request for its own message loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

std::wstring NativeShell::SpecialFolderPath(int folderId) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    std::wstring folder(path);
    if (folder.empty()) return {};
    if (folder.back() != L'\\') folder += L'\\';
    return folder;
}

bool NativeShell::OpenWithDefaultProgram(const std::wstring& path) {
    // The shell shows no box of its own (the caller tells the user which files it could not
    // open, in one box) and has started the program before it returns.
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    execute.lpFile = path.c_str();
    execute.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&execute) != FALSE;
}

std::wstring NativeShell::ExpandEnvironmentVariables(const std::wstring& text) {
    // The size needed can change between calls if the environment does; ask until it fits.
    std::wstring expanded(text.size() + 1, L'\0');
    for (;;) {
        const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), expanded.data(),
                                                       static_cast<DWORD>(expanded.size()));
        if (needed == 0) return text;
        if (needed <= expanded.size()) {
            expanded.resize(needed - 1);
            return expanded;
        }
        expanded.resize(needed);
    }
}

void NativeShell::RunAndWait(const std::wstring& commandLine, int windowStyle) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION started = {};
    std::wstring mutableLine = commandLine;  // CreateProcessW may write into it
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        throw AutomationError::Standard(ProgramErrorNumber(FailureOfWin32(GetLastError())),
                                        commandLine);
    }
    const OwnedHandle process(started.hProcess);
    const OwnedHandle thread(started.hThread);
    // The handle's own signal tells the end; an exit code alone cannot, since a program may
    // end with the code that means "still running".
    // Messages are let through at least once, however soon the program ends.
    for (;;) {
        const bool ended = WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT;
        DispatchPendingMessages();
        if (ended) break;
        Sleep(10);
    }
}

}  // namespace orvantis::windows

#pragma once

// Drives the system's dialogs as a user would, under Wine, where they are real windows.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/windows/Win32.hpp"
#include "platform/windows/WindowsHook.hpp"

namespace orvantis::test {

// A dialog as it appeared: read from its window, not from the view it was built from.
struct ShownDialog {
    struct Control {
        HWND window;
        std::wstring className;
        int id;
        std::wstring text;
        DWORD style;
        wchar_t passwordChar;             // an edit's
        std::vector<std::wstring> lines;  // a list box's, in its order
    };
    HWND window;
    HWND owner;
    std::wstring caption;
    DWORD style;
    DWORD extendedStyle;
    std::vector<Control> controls;  // in tab order
};

// When one of the system's dialogs appears on this thread (a CBT hook), it is read and the
// test's next action runs on it from the dialog's own message loop (a thread timer), as a
// user's input would. With no action left, the dialog is closed with its close control.
// Message boxes are read and answered OK.
class DialogDriver {
public:
    using Action = std::function<void(const ShownDialog&)>;

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    std::deque<Action> actions;
    std::vector<ShownDialog> shown;
    std::vector<std::pair<std::wstring, std::wstring>> boxes;  // title, text

    // The controls of one class, or the one showing a text, of a shown dialog.
    static std::vector<const ShownDialog::Control*> Of(const ShownDialog& dialog, std::wstring_view className);
    static HWND Named(const ShownDialog& dialog, std::wstring_view text);

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Act(HWND, UINT, UINT_PTR timer, DWORD);

    windows::WindowsHook hook_;
    std::vector<HWND> appeared_;
};

// What an action does, as the user would. Key presses and the close control are posted, as
// input is, so that they pass through the dialog's message loop.
inline void TypeText(HWND edit, const std::wstring& text) { SetWindowTextW(edit, text.c_str()); }
inline void SelectLine(HWND list, int line) { SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0); }
inline void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
void DoubleClickLine(HWND list, int line);
inline void PressEscape(HWND control) { PostMessageW(control, WM_KEYDOWN, VK_ESCAPE, 0); }
inline void PressCloseControl(HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace orvantis::test

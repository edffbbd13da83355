#include "platform/windows/DialogPresenter.hpp"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "automation/AutomationError.hpp"
#include "platform/windows/DialogTemplate.hpp"
#include "platform/windows/Win32.hpp"
#include "platform/windows/WindowsHook.hpp"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace orvantis::windows {
namespace {

using Button = DialogAnswer::Button;
using Kind = DialogControl::Kind;

// Disables the thread's other top-level windows for the showing, as an owner would be.
class ThreadWindowsDisabled {
public:
    ThreadWindowsDisabled() {
        EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(&windows_));
    }
    ~ThreadWindowsDisabled() {
        for (HWND window : windows_) EnableWindow(window, TRUE);
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

private:
    // Kept before disabled, so that every window disabled is enabled again.
    static BOOL CALLBACK Disable(HWND window, LPARAM list) {
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
        try {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        } catch (...) {
            return FALSE;
        }
        EnableWindow(window, FALSE);
        return TRUE;
    }

    std::vector<HWND> windows_;
};

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// One showing: the view, the window's state while it is up, and the answer.
class Showing {
public:
    explicit Showing(const DialogView& view) : answer{Button::Close, view.controls}, view_(view) {}

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_INITDIALOG: Initialise(dialog); return TRUE;
            case WM_COMMAND: return Command(dialog, LOWORD(wParam), HIWORD(wParam), lParam != 0);
            case WM_CLOSE: Finish(dialog, Button::Close); return TRUE;
            case WM_DESTROY: RemovePropW(dialog, kDialogProperty); return FALSE;
            default: return FALSE;
        }
    }

    DialogAnswer answer;
    std::optional<ThreadWindowsDisabled> othersDisabled;
    std::exception_ptr failure;

private:
    void Initialise(HWND dialog) {
        SetPropW(dialog, kDialogProperty, reinterpret_cast<HANDLE>(1));
        for (std::size_t i = 0; i < view_.controls.size(); ++i) {
            const auto& control = view_.controls[i];
            HWND item = GetDlgItem(dialog, ControlId(control, i));
            if (control.kind == Kind::TextBox && control.password) {
                SendMessageW(item, EM_SETPASSWORDCHAR, L'*', 0);
            }
            if (control.kind != Kind::ListBox) continue;
            for (const auto& line : control.items) {
                SendMessageW(item, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            }
            SendMessageW(item, LB_SETCURSEL, static_cast<WPARAM>(control.selection), 0);
        }
    }

    INT_PTR Command(HWND dialog, int id, int notification, bool fromControl) {
        if (id == IDCANCEL && !fromControl) {  // the dialog manager's Esc
            Finish(dialog, Button::Close);
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL) {
            const Button button = id == IDOK ? Button::Ok : Button::Cancel;
            if (CanPress(view_, button)) Finish(dialog, button);
            return TRUE;
        }
        for (std::size_t i = 0; i < view_.controls.size(); ++i) {
            const auto& control = view_.controls[i];
            if (ControlId(control, i) == id && control.kind == Kind::OtherButton &&
                notification == BN_CLICKED) {
                Finish(dialog, Button::Other);
                return TRUE;
            }
            if (ControlId(control, i) == id && notification == LBN_DBLCLK &&
                control.kind == Kind::ListBox && control.doubleClickIsOk) {
                Finish(dialog, Button::Ok);
                return TRUE;
            }
        }
        return FALSE;
    }

    // Only the first answer counts: another may be queued before the window goes.
    void Finish(HWND dialog, Button button) {
        if (finished_) return;
        finished_ = true;
        answer.button = button;
        for (std::size_t i = 0; i < answer.controls.size(); ++i) {
            auto& control = answer.controls[i];
            HWND item = GetDlgItem(dialog, ControlId(control, i));
            if (control.kind == Kind::TextBox) control.text = WindowText(item);
            if (control.kind == Kind::ListBox) {
                const LRESULT line = SendMessageW(item, LB_GETCURSEL, 0, 0);
                control.selection = line == LB_ERR ? -1 : static_cast<int>(line);
            }
        }
        // Enabled again before the window goes, so that the host's window is activated.
        othersDisabled.reset();
        EndDialog(dialog, IDOK);
    }

    const DialogView& view_;
    bool finished_ = false;
};

// No C++ exception may cross into the system's window code: a failure ends the showing and
// is thrown again once the dialog is gone.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* showing = reinterpret_cast<Showing*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!showing) return FALSE;
    try {
        return showing->Handle(dialog, message, wParam, lParam);
    } catch (...) {
        showing->failure = std::current_exception();
        showing->othersDisabled.reset();
        EndDialog(dialog, IDABORT);
        return TRUE;
    }
}

// Esc reaches the dialog procedure as the Cancel button's command; it is the close
// control's key here, so it is taken from the dialog's message loop before that.
LRESULT CALLBACK EscapeFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && message->wParam == VK_ESCAPE) {
        HWND dialog = GetAncestor(message->hwnd, GA_ROOT);
        if (dialog && GetPropW(dialog, kDialogProperty)) {
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            return TRUE;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogAnswer PresentDialog(const DialogView& view) {
    const std::vector<WORD> layout = BuildDialogTemplate(view);
    Showing showing(view);
    showing.othersDisabled.emplace();
    const WindowsHook escape(WH_MSGFILTER, EscapeFilter);
    const INT_PTR ended = DialogBoxIndirectParamW(
        reinterpret_cast<HINSTANCE>(&__ImageBase), reinterpret_cast<LPCDLGTEMPLATEW>(layout.data()),
        nullptr, DialogProcedure, reinterpret_cast<LPARAM>(&showing));
    if (showing.failure) std::rethrow_exception(showing.failure);
    if (ended != IDOK) {
        const DWORD error = GetLastError();
        throw AutomationError(error ? static_cast<std::int32_t>(HRESULT_FROM_WIN32(error)) : E_FAIL,
                              std::wstring(kComponentTitle), L"The dialog could not be shown");
    }
    return std::move(showing.answer);
}

}  // namespace orvantis::windows

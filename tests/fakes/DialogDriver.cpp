#include "fakes/DialogDriver.hpp"

#include <algorithm>

#include "platform/windows/DialogPresenter.hpp"

namespace orvantis::test {
namespace {

thread_local DialogDriver* current = nullptr;

// A window's text, or with GetClassNameW its class's name.
std::wstring TextOf(HWND window, int(WINAPI* read)(HWND, LPWSTR, int) = GetWindowTextW) {
    wchar_t text[1024] = {};
    read(window, text, 1024);
    return text;
}

std::wstring ClassOf(HWND window) { return TextOf(window, GetClassNameW); }

std::vector<std::wstring> LinesOf(HWND list) {
    std::vector<std::wstring> lines(static_cast<std::size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // LB_GETTEXT writes as much as the line holds: the room is asked for first.
        lines[i].resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1);
        lines[i].resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(lines[i].data()))));
    }
    return lines;
}

DWORD LongOf(HWND window, int index) { return static_cast<DWORD>(GetWindowLongW(window, index)); }

ShownDialog Read(HWND dialog) {
    ShownDialog shown{dialog, GetWindow(dialog, GW_OWNER), TextOf(dialog), LongOf(dialog, GWL_STYLE),
                      LongOf(dialog, GWL_EXSTYLE), {}};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring className = ClassOf(child);
        shown.controls.push_back(
            {child, className, GetDlgCtrlID(child), TextOf(child), LongOf(child, GWL_STYLE),
             className == L"Edit" ? static_cast<wchar_t>(SendMessageW(child, EM_GETPASSWORDCHAR, 0, 0)) : L'\0',
             className == L"ListBox" ? LinesOf(child) : std::vector<std::wstring>()});
    }
    return shown;
}

}  // namespace

std::vector<const ShownDialog::Control*> DialogDriver::Of(const ShownDialog& dialog, std::wstring_view className) {
    std::vector<const ShownDialog::Control*> found;
    for (const auto& control : dialog.controls) {
        if (control.className == className) found.push_back(&control);
    }
    return found;
}

HWND DialogDriver::Named(const ShownDialog& dialog, std::wstring_view text) {
    const auto found = std::ranges::find(dialog.controls, text, &ShownDialog::Control::text);
    return found == dialog.controls.end() ? nullptr : found->window;
}

DialogDriver::DialogDriver() : hook_(WH_CBT, Watch) { current = this; }

DialogDriver::~DialogDriver() { current = nullptr; }

// Activation comes after the dialog's initialisation, so the mark is there by then.
LRESULT CALLBACK DialogDriver::Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    const bool activated = current && code == HCBT_ACTIVATE;
    const bool ours = activated && GetPropW(window, windows::kDialogProperty);
    // The system's own dialogs are #32770 windows too; message boxes are those without the mark.
    if (activated && !ours && ClassOf(window) == L"#32770") {
        // The box's text is its static control 0xFFFF.
        current->boxes.emplace_back(TextOf(window), TextOf(GetDlgItem(window, 0xFFFF)));
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    } else if (ours && std::ranges::count(current->appeared_, window) == 0) {
        current->appeared_.push_back(window);
        SetTimer(nullptr, 0, 10, Act);
    }
    if (current && code == HCBT_DESTROYWND) std::erase(current->appeared_, window);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs in the dialog's message loop. The newest dialog is the one with the input.
void CALLBACK DialogDriver::Act(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!current || current->appeared_.empty()) return;
    const HWND dialog = current->appeared_.back();
    try {
        current->shown.push_back(Read(dialog));
        if (current->actions.empty()) {
            PressCloseControl(dialog);
            return;
        }
        const Action action = std::move(current->actions.front());
        current->actions.pop_front();
        action(current->shown.back());
    } catch (...) {
        PressCloseControl(dialog);
    }
}

// The list answers the mouse itself, so that its own notification reaches the dialog.
void DoubleClickLine(HWND list, int line) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

}  // namespace orvantis::test

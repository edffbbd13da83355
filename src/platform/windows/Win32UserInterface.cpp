#include "platform/windows/Win32UserInterface.hpp"

#include "platform/windows/DialogPresenter.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

int Win32UserInterface::MessageBox(const std::wstring& text, const std::wstring& title, int style) {
    return ::MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), static_cast<UINT>(style));
}

DialogAnswer Win32UserInterface::ShowDialog(const DialogView& view) { return PresentDialog(view); }

}  // namespace orvantis::windows

#include "platform/windows/MessageBoxUserInterface.hpp"

#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

int MessageBoxUserInterface::MessageBox(const std::wstring& text, const std::wstring& title,
                                        int style) {
    return ::MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), static_cast<UINT>(style));
}

}  // namespace orvantis::windows

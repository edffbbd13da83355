#pragma once

#include "platform/UserInterface.hpp"

namespace orvantis::windows {

// Real message boxes, owned by the host's active window so that they stay in front of it,
// and real dialogs (see DialogPresenter).
class Win32UserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring& text, const std::wstring& title, int style) override;
    DialogAnswer ShowDialog(const DialogView& view) override;
};

}  // namespace orvantis::windows

#pragma once

#include "platform/UserInterface.hpp"

namespace orvantis::windows {

// Real message boxes, owned by the host's active window so that they stay in front of it.
class MessageBoxUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring& text, const std::wstring& title, int style) override;
};

}  // namespace orvantis::windows

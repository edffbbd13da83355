#pragma once

#include <string>

#include "platform/Dialog.hpp"

namespace orvantis {

// Message box styles and answers, as the platform numbers them.
namespace box {
inline constexpr int kOkOnly = 0;
inline constexpr int kExclamation = 48;
inline constexpr int kOk = 1;
}  // namespace box

// Port: what the system shows its user.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Shows a modal message box and returns the button pressed.
    virtual int MessageBox(const std::wstring& text, const std::wstring& title, int style) = 0;
    // Shows a modal dialog built from the view until the user answers it. Nothing of the
    // presentation outlives the call; what the answer means is the dialog model's affair.
    virtual DialogAnswer ShowDialog(const DialogView& view) = 0;
};

}  // namespace orvantis

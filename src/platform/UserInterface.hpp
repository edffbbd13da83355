#pragma once

#include <string>

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
};

}  // namespace orvantis

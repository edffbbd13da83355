#pragma once

#include <string>

#include "dialogs/DialogModel.hpp"

namespace orvantis {

// Asks for an ACT! user name and password. It always opens empty and keeps nothing once
// closed: every insertion into a shared database asks again. Whatever ends the showing
// other than OK answers an empty user name and password, which ACT! refuses.
class ActLoginDialog : public DialogModel {
public:
    // The text boxes, by the identifiers a scripted answer names.
    static constexpr const wchar_t* kUserBox = L"txtUserName";
    static constexpr const wchar_t* kPasswordBox = L"txtPassword";

    const std::wstring& UserName() const { return userName_; }
    const std::wstring& Password() const { return password_; }

protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnCancel(Host& host) override;
    DialogOutcome OnClose(Host& host) override;

private:
    std::wstring userName_;
    std::wstring password_;
};

}  // namespace orvantis

#pragma once

#include "dialogs/DialogModel.hpp"

namespace orvantis {

// Asks for the user name and password that the DAV server wants. It opens with the stored
// user and password; OK stores both (the user among the settings, the password among the
// secrets), Cancel and the close control store nothing. Every button discards the dialog, so
// each showing reads the stores afresh and no password stays behind in a hidden dialog.
class DavLoginDialog : public DialogModel {
public:
    // The text boxes, by the identifiers a scripted answer names.
    static constexpr const wchar_t* kServerBox = L"txtDavServer";
    static constexpr const wchar_t* kUserBox = L"txtDavUser";
    static constexpr const wchar_t* kPasswordBox = L"txtDavPassword";

    // Whether the last showing ended with OK.
    bool Accepted() const { return accepted_; }

protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnCancel(Host& host) override;
    DialogOutcome OnClose(Host& host) override;

private:
    bool accepted_ = false;
};

// Shows the thread's login dialog; true when the user answered OK and the login was stored.
bool AskDavLogin(Host& host);

}  // namespace orvantis

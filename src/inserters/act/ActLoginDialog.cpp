#include "inserters/act/ActLoginDialog.hpp"

namespace orvantis {

DialogView ActLoginDialog::Load(Host&) {
    using Kind = DialogControl::Kind;
    userName_.clear();
    password_.clear();
    return {L"ACT! login",
            {
                {.kind = Kind::Label, .id = L"lblUserName", .text = L"User name:"},
                {.kind = Kind::TextBox, .id = kUserBox},
                {.kind = Kind::Label, .id = L"lblPassword", .text = L"Password:"},
                {.kind = Kind::TextBox, .id = kPasswordBox, .password = true},
                {.kind = Kind::OkButton, .id = L"cmdOK", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"cmdCancel", .text = L"Cancel"},
            }};
}

DialogOutcome ActLoginDialog::OnOk(Host&) {
    userName_ = Control(kUserBox).text;
    password_ = Control(kPasswordBox).text;
    return DialogOutcome::Unload;
}

DialogOutcome ActLoginDialog::OnCancel(Host& host) { return OnClose(host); }

DialogOutcome ActLoginDialog::OnClose(Host&) {
    userName_.clear();
    password_.clear();
    return DialogOutcome::Unload;
}

}  // namespace orvantis

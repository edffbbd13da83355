#include "dav/DavLoginDialog.hpp"

#include "automation/AutomationError.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {
namespace {

// A stored password that is refused (others could read it) opens as an empty box: OK then
// replaces it with a private one. Cancel leaves it, and the load says why it is refused.
std::wstring StoredPasswordOrEmpty(Host& host) {
    try {
        return ConfigUtilities::GetDavPassword(host).value_or(L"");
    } catch (const AutomationError& error) {
        if (error.Number() != errors::kPermissionDenied) throw;
        return {};
    }
}

}  // namespace

DialogView DavLoginDialog::Load(Host& host) {
    using Kind = DialogControl::Kind;
    accepted_ = false;
    return {L"Server login",
            {
                {.kind = Kind::Label,
                 .id = L"lblDavLogin",
                 .text = L"The address of your contacts and calendar server, and your login:"},
                {.kind = Kind::Label, .id = L"lblDavServer", .text = L"Server address:"},
                {.kind = Kind::TextBox, .id = kServerBox, .text = ConfigUtilities::GetDavUrl(host)},
                {.kind = Kind::Label, .id = L"lblDavUser", .text = L"User name:"},
                {.kind = Kind::TextBox, .id = kUserBox, .text = ConfigUtilities::GetDavUser(host)},
                {.kind = Kind::Label, .id = L"lblDavPassword", .text = L"Password:"},
                {.kind = Kind::TextBox,
                 .id = kPasswordBox,
                 .text = StoredPasswordOrEmpty(host),
                 .password = true},
                {.kind = Kind::OkButton, .id = L"cmdOK", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"cmdCancel", .text = L"Cancel"},
            }};
}

DialogOutcome DavLoginDialog::OnOk(Host& host) {
    // The password first: one that cannot be stored leaves the stored login as it was.
    ConfigUtilities::SaveDavPassword(host, Control(kPasswordBox).text);
    ConfigUtilities::SaveDavUser(host, Control(kUserBox).text);
    ConfigUtilities::SaveDavUrl(host, Control(kServerBox).text);
    accepted_ = true;
    return DialogOutcome::Unload;
}

DialogOutcome DavLoginDialog::OnCancel(Host& host) { return OnClose(host); }

DialogOutcome DavLoginDialog::OnClose(Host&) {
    accepted_ = false;
    return DialogOutcome::Unload;
}

bool AskDavLogin(Host& host) {
    auto& dialog = ThreadDialog<DavLoginDialog>();
    ShowModally(dialog, host);
    return dialog.Accepted();
}

}  // namespace orvantis

#include "inserters/goldmine/GoldmineDialog.hpp"

#include "automation/AutomationError.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {
namespace {

// A stored password that is not Base64 opens as an empty box, so that the user can type a
// good one; any other failure of the store still stops the dialog.
std::wstring StoredPasswordOrEmpty(Host& host) {
    try {
        return ConfigUtilities::GetGoldminePassword(host).ToText();
    } catch (const AutomationError& error) {
        if (error.Source() != L"Base64Decode") throw;
        return {};
    }
}

}  // namespace

DialogView GoldmineDialog::Load(Host& host) {
    using Kind = DialogControl::Kind;
    const std::wstring user = ConfigUtilities::GetGoldmineUser(host).ToText();
    return {L"Goldmine parameters",
            {
                {.kind = Kind::Label,
                 .id = L"Label1",
                 .text = L"An username and a password are required to access to Goldmine"},
                {.kind = Kind::Label, .id = L"Label2", .text = L"Username:"},
                {.kind = Kind::TextBox, .id = kUserBox, .text = user},
                {.kind = Kind::Label, .id = L"Label3", .text = L"Password:"},
                {.kind = Kind::TextBox,
                 .id = kPasswordBox,
                 .text = StoredPasswordOrEmpty(host),
                 .password = true},
                {.kind = Kind::OkButton, .id = L"OKButton", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"CancelButton", .text = L"Annuler"},
            }};
}

DialogOutcome GoldmineDialog::OnOk(Host& host) {
    // The password first: one that cannot be stored leaves the stored login as it was.
    ConfigUtilities::SaveGoldminePassword(host, Control(kPasswordBox).text);
    ConfigUtilities::SaveGoldmineUser(host, Control(kUserBox).text);
    return DialogOutcome::Hide;
}

DialogOutcome GoldmineDialog::OnCancel(Host& host) { return OnClose(host); }

void ShowGoldmineDialog(Host& host) {
    ShowModally(ThreadDialog<GoldmineDialog>(), host);
}

}  // namespace orvantis

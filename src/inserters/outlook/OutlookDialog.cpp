#include "inserters/outlook/OutlookDialog.hpp"

#include "inserters/outlook/OutlookUtilities.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {

DialogView OutlookDialog::Load(Host& host) {
    using Kind = DialogControl::Kind;
    return {L"Select the address book",
            {
                {.kind = Kind::Label, .id = L"Label1", .text = L"Available Address book:"},
                {.kind = Kind::ListBox,
                 .id = L"List1",
                 .items = OutlookUtilities::ListOutlookContactFolders(host),
                 .doubleClickIsOk = true},
                {.kind = Kind::OkButton, .id = L"OKButton", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"CancelButton", .text = L"Annuler"},
            }};
}

DialogOutcome OutlookDialog::OnOk(Host& host) {
    ConfigUtilities::SaveOutlookAddressBook(host, std::to_wstring(Control(L"List1").selection));
    return DialogOutcome::Hide;
}

DialogOutcome OutlookDialog::OnCancel(Host& host) {
    ConfigUtilities::SaveOutlookAddressBook(host, L"");
    return DialogOutcome::Hide;
}

void ShowOutlookDialog(Host& host) {
    ShowModally(ThreadDialog<OutlookDialog>(), host);
}

}  // namespace orvantis

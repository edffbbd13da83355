#include "inserters/outlook/OutlookDialog.hpp"

#include "dialogs/AddressBookView.hpp"
#include "inserters/outlook/OutlookUtilities.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {

DialogView OutlookDialog::Load(Host& host) {
    return AddressBookView(L"Select the address book",
                           OutlookUtilities::ListOutlookContactFolders(host), true);
}

DialogOutcome OutlookDialog::OnOk(Host& host) {
    ConfigUtilities::SaveOutlookAddressBook(host, std::to_wstring(Control(kAddressBookList).selection));
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

#include "inserters/groupwise/GroupWiseDialog.hpp"

#include "dialogs/AddressBookView.hpp"
#include "inserters/groupwise/GroupWiseUtilities.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {

// The list is read whole before the dialog keeps it: a list that failed part-way would
// shift every later position onto another address book.
DialogView GroupWiseDialog::Load(Host& host) {
    return AddressBookView(L"Select the Address book",
                           GroupWiseUtilities::ListGroupWiseAddressBooks(host), false);
}

DialogOutcome GroupWiseDialog::OnOk(Host& host) {
    ConfigUtilities::SaveGroupWiseAddressBook(host, std::to_wstring(Control(kAddressBookList).selection));
    return DialogOutcome::Hide;
}

// Annuler leaves as the close control does: nothing saved, the list read afresh next time.
DialogOutcome GroupWiseDialog::OnCancel(Host&) {
    return DialogOutcome::Unload;
}

void ShowGroupWiseDialog(Host& host) {
    ShowModally(ThreadDialog<GroupWiseDialog>(), host);
}

}  // namespace orvantis

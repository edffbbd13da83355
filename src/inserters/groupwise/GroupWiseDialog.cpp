#include "inserters/groupwise/GroupWiseDialog.hpp"

#include "inserters/groupwise/GroupWiseUtilities.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis {

// The list is read whole before the dialog keeps it: a list that failed part-way would
// shift every later position onto another address book.
DialogView GroupWiseDialog::Load(Host& host) {
    using Kind = DialogControl::Kind;
    return {L"Select the Address book",
            {
                {.kind = Kind::Label, .id = L"Label1", .text = L"Available Address book:"},
                {.kind = Kind::ListBox,
                 .id = L"List1",
                 .items = GroupWiseUtilities::ListGroupWiseAddressBooks(host)},
                {.kind = Kind::OkButton, .id = L"OKButton", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"CancelButton", .text = L"Annuler"},
            }};
}

DialogOutcome GroupWiseDialog::OnOk(Host& host) {
    ConfigUtilities::SaveGroupWiseAddressBook(host, std::to_wstring(Control(L"List1").selection));
    return DialogOutcome::Hide;
}

// Annuler leaves as the close control does: nothing saved, the list read afresh next time.
DialogOutcome GroupWiseDialog::OnCancel(Host&) { return DialogOutcome::Unload; }

void ShowGroupWiseDialog(Host& host) {
    ShowModally(ThreadDialog<GroupWiseDialog>(), host);
}

}  // namespace orvantis

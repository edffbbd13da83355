#pragma once

#include "dialogs/DialogModel.hpp"

namespace orvantis {

// Lets the user pick the GroupWise address book that contacts go to, and keeps the pick (its
// position in the list) in the setting GroupWiseAddressBook. The list is read from GroupWise
// when the dialog loads and kept, with its selection, while the dialog stays loaded.
class GroupWiseDialog : public DialogModel {
protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnCancel(Host& host) override;
};

// Shows the thread's GroupWise address-book dialog.
void ShowGroupWiseDialog(Host& host);

}  // namespace orvantis

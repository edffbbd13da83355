#pragma once

#include "dialogs/DialogModel.hpp"

namespace orvantis {

// Lets the user pick one of Outlook's contact folders for the contacts to come, and keeps the
// pick (its position in the list) in the setting OutlookAddressBook. The list is filled from
// Outlook when the dialog loads and kept while it stays loaded.
class OutlookDialog : public DialogModel {
protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnCancel(Host& host) override;
};

// Shows the thread's Outlook address-book dialog.
void ShowOutlookDialog(Host& host);

}  // namespace orvantis

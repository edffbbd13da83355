#pragma once

#include "dialogs/DialogModel.hpp"

namespace orvantis {

// Asks for the GoldMine user name and password before a "goldmine" document is read. It
// opens with the stored ones; OK stores what the boxes hold, and the dialog then keeps its
// texts for the next document of the thread. Annuler, Esc and the close control store
// nothing and discard the dialog, so that the load goes on with the stored login.
class GoldmineDialog : public DialogModel {
public:
    // The text boxes, by the identifiers a scripted answer names.
    static constexpr const wchar_t* kUserBox = L"Text1";
    static constexpr const wchar_t* kPasswordBox = L"Text2";

protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnCancel(Host& host) override;
};

// Shows the thread's GoldMine dialog.
void ShowGoldmineDialog(Host& host);

}  // namespace orvantis

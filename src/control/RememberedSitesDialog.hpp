#pragma once

#include <string>
#include <vector>

#include "dialogs/DialogModel.hpp"

namespace orvantis {

// The sites the user allowed or refused, one a line; "Forget" forgets the selected one, so
// that its next load asks again.
class RememberedSitesDialog : public DialogModel {
public:
    bool Forgot() const { return forgot_; }

protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnCancel(Host&) override { return DialogOutcome::Unload; }

private:
    std::vector<std::wstring> origins_;
    bool forgot_ = false;
};

// Shows the dialog until it is closed, each Forget showing the list again.
void ShowRememberedSites(Host& host);

}  // namespace orvantis

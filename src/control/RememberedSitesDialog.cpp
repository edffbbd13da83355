#include "control/RememberedSitesDialog.hpp"

#include "control/SiteAnswers.hpp"

namespace orvantis {

DialogView RememberedSitesDialog::Load(Host& host) {
    using Kind = DialogControl::Kind;
    origins_.clear();
    std::vector<std::wstring> lines;
    for (const auto& site : RememberedSites(host)) {
        origins_.push_back(site.origin);
        lines.push_back(site.origin + (site.allowed ? L" (allowed)" : L" (refused)"));
    }
    return {L"Orvantis Agent sites",
            {
                {.kind = Kind::Label, .id = L"Label1", .text = L"Sites you allowed or refused:"},
                {.kind = Kind::ListBox, .id = L"List1", .items = std::move(lines)},
                {.kind = Kind::OkButton, .id = L"ForgetButton", .text = L"Forget"},
                {.kind = Kind::CancelButton, .id = L"CloseButton", .text = L"Close"},
            }};
}

DialogOutcome RememberedSitesDialog::OnOk(Host& host) {
    const int line = Control(L"List1").selection;
    if (line >= 0 && line < static_cast<int>(origins_.size())) forgot_ = ForgetSite(host, origins_[line]);
    return DialogOutcome::Unload;
}

void ShowRememberedSites(Host& host) {
    // After a Forget the list is shown again, without that line.
    for (;;) {
        RememberedSitesDialog dialog;
        ShowModally(dialog, host);
        if (!dialog.Forgot()) return;
    }
}

}  // namespace orvantis

#include "control/SiteLock.hpp"

#include "automation/AutomationError.hpp"
#include "control/SiteAnswers.hpp"
#include "control/SiteConsentDialog.hpp"
#include "control/SitePolicy.hpp"

namespace orvantis {

SiteLock::SiteLock(Host& host, const PageAddress& page) : host_(host) {
    if (!page) return;
    origin_ = ParseOrigin(*page);
    if (!origin_) {
        site_ = page->empty() ? L"a page whose address cannot be read" : *page;
        Refuse(L"its address names no site that can be allowed");
    }
    site_ = origin_->Text();
    switch (MachinePolicy(host_, *origin_)) {
        case SiteVerdict::Allow: return;
        case SiteVerdict::Refuse: Refuse(L"the machine's site policy refuses it");
        case SiteVerdict::Ask: break;
    }
    if (!origin_->IsSecure()) {
        Refuse(L"a page that is not https can be allowed by the machine's site policy only");
    }
    if (const auto remembered = RememberedAnswer(host_, site_)) {
        if (*remembered) return;
        Refuse(L"you refused it");
    }
    ask_ = true;
}

void SiteLock::Confirm(const Request& request) {
    if (!ask_) return;
    SiteConsentDialog dialog(ConsentText(site_, request));
    ShowModally(dialog, host_);
    switch (dialog.Given()) {
        case SiteConsentDialog::Answer::AllowOnce: return;
        case SiteConsentDialog::Answer::AlwaysAllow: RememberSite(host_, site_, true); return;
        case SiteConsentDialog::Answer::Refuse:
            RememberSite(host_, site_, false);
            Refuse(L"you refused it");
        case SiteConsentDialog::Answer::Closed: Refuse(L"the question was closed unanswered");
    }
}

void SiteLock::Refuse(const std::wstring& why) const {
    throw AutomationError::Standard(errors::kPermissionDenied,
                                    site_ + L" may not load documents: " + why);
}

}  // namespace orvantis

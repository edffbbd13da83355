#pragma once

#include <string>

#include "control/Request.hpp"
#include "dialogs/DialogModel.hpp"

namespace orvantis {

// "https://crm.example.com wants to add 3 contacts, 1 event and 2 tasks to Outlook.": the
// items of the kinds the document's target takes, counted without reading any item.
std::wstring ConsentText(const std::wstring& origin, const Request& request);

// Asks whether a site may load its document: Allow once, Always allow this site, Refuse.
// The window's close control refuses this once and remembers nothing.
class SiteConsentDialog : public DialogModel {
public:
    enum class Answer { Closed, AllowOnce, AlwaysAllow, Refuse };

    explicit SiteConsentDialog(std::wstring text) : text_(std::move(text)) {}
    Answer Given() const { return answer_; }

protected:
    DialogView Load(Host& host) override;
    DialogOutcome OnOk(Host& host) override;
    DialogOutcome OnOther(Host& host) override;
    DialogOutcome OnCancel(Host& host) override;

private:
    std::wstring text_;
    Answer answer_ = Answer::Closed;
};

}  // namespace orvantis

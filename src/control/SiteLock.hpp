#pragma once

#include <optional>
#include <string>

#include "control/Request.hpp"
#include "control/SiteOrigin.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// The address of the page that placed the control; none for a host that is local code the
// user runs (a script host, Office, the command line). An empty text is a page whose address
// could not be read, which is refused.
using PageAddress = std::optional<std::wstring>;

// Whether the page of one load may write: the machine's policy first, then the user's
// remembered answer, then the user, asked once the document is parsed. Only the policy can
// allow a page that is not https, since anyone on its way could have written it. Every
// refusal raises 70 naming the site, before anything is prepared or read.
class SiteLock {
public:
    // Decides what needs no document: a page without one passes, a refused one raises.
    SiteLock(Host& host, const PageAddress& page);

    // Asks the user about the parsed document when nothing else decided.
    void Confirm(const Request& request);

private:
    [[noreturn]] void Refuse(const std::wstring& why) const;

    Host& host_;
    std::wstring site_;  // the origin's text, or the address as given when it has none
    std::optional<SiteOrigin> origin_;
    bool ask_ = false;
};

}  // namespace orvantis

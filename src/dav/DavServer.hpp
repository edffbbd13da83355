#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "automation/AutomationError.hpp"
#include "dav/Multistatus.hpp"
#include "platform/Host.hpp"

namespace orvantis::dav {

// The user's server, as the settings name it, for the length of one load: one HTTP session
// (one connection where the server keeps it), with the stored login. A server that answers
// 401 is asked about once through the login dialog, which may store a new login, and the
// request is sent again with it.
class DavServer {
public:
    // Raises when no server address is set.
    explicit DavServer(Host& host);

    // The address as the settings hold it, and its origin (what names it in messages).
    const std::string& Url() const { return url_; }
    const std::string& Origin() const { return origin_; }
    Host& host() { return host_; }

    // The answer, whatever its status other than 401; a server that cannot be reached, or
    // refuses the login, raises an AutomationError naming it.
    HttpResponse Send(HttpRequest request);

    // PROPFIND and REPORT, read as multistatus; any answer but 207 raises.
    std::vector<Resource> Propfind(const std::string& url, int depth, std::string_view body);
    std::vector<Resource> Report(const std::string& url, std::string_view body);

    // The error for an answer the load cannot go on from: its number says what kind of failure
    // it is (70 refused, 76 no such collection, 61 out of space, else 75), its text names the
    // server, the status and what was asked.
    AutomationError Refusal(int status, std::string_view what) const;

private:
    void Open();
    std::vector<Resource> Multistatus(const char* method, const std::string& url, int depth,
                                      std::string_view body);

    Host& host_;
    std::string url_;
    std::string origin_;
    std::unique_ptr<HttpSession> session_;
    bool askedLogin_ = false;
};

}  // namespace orvantis::dav

#include "dav/DavServer.hpp"

#include <algorithm>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "dav/DavLoginDialog.hpp"
#include "dav/Url.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::dav {
namespace {

constexpr std::int32_t kDiskFull = 61;
// "The remote server machine does not exist or is unavailable."
constexpr std::int32_t kServerUnavailable = 462;

std::wstring Wide(std::string_view text) { return WideFromUtf8(text).value_or(L"?"); }

}  // namespace

DavServer::DavServer(Host& host) : host_(host) {
    // Without an address or a password the server could only be missed or refuse: ask first.
    if (OriginOf(Utf8FromWide(ConfigUtilities::GetDavUrl(host))).empty() ||
        !ConfigUtilities::GetDavPassword(host)) {
        askedLogin_ = true;
        AskDavLogin(host);
    }
    url_ = Utf8FromWide(ConfigUtilities::GetDavUrl(host));
    origin_ = OriginOf(url_);
    if (origin_.empty()) {
        throw AutomationError::Standard(
            errors::kPathNotFound,
            L"no server address (http:// or https://) is set for \"dav\": give one in the login "
            L"dialog, with --dav-url or in the setting DavUrl");
    }
    Open();
}

void DavServer::Open() {
    HttpSettings settings;
    settings.user = Utf8FromWide(ConfigUtilities::GetDavUser(host_));
    settings.password = Utf8FromWide(ConfigUtilities::GetDavPassword(host_).value_or(L""));
    settings.extraCaFile = Utf8FromWide(ConfigUtilities::GetDavCaFile(host_));
    session_ = host_.http.Open(settings);
}

HttpResponse DavServer::Send(HttpRequest request) {
    const bool typed = std::any_of(request.headers.begin(), request.headers.end(),
                                   [](const auto& header) { return header.first == "Content-Type"; });
    if (!request.body.empty() && !typed) {
        request.headers.emplace_back("Content-Type", "application/xml; charset=utf-8");
    }
    try {
        HttpResponse response = session_->Send(request);
        if (response.status == 401 && !askedLogin_) {
            askedLogin_ = true;
            if (AskDavLogin(host_)) {
                Open();
                response = session_->Send(request);
            }
        }
        if (response.status == 401) throw Refusal(401, request.method + " " + Shown(request.url));
        return response;
    } catch (const HttpFailure& failure) {
        // The failure names the server already.
        throw AutomationError(kServerUnavailable, std::wstring(kComponentTitle), Wide(failure.what()));
    }
}

AutomationError DavServer::Refusal(int status, std::string_view what) const {
    std::int32_t number = errors::kPathFileAccess;
    if (status == 401 || status == 403) number = errors::kPermissionDenied;
    if (status == 404 || status == 410) number = errors::kPathNotFound;
    if (status == 507) number = kDiskFull;
    return AutomationError(number, std::wstring(kComponentTitle),
                           L"the server " + Wide(origin_) + L" answered HTTP " +
                               std::to_wstring(status) + L" to " + Wide(what));
}

std::vector<Resource> DavServer::Multistatus(const char* method, const std::string& url,
                                             int depth, std::string_view body) {
    HttpResponse response = Send({.method = method,
                                  .url = url,
                                  .headers = {{"Depth", std::to_string(depth)}},
                                  .body = std::string(body)});
    if (response.status != 207) throw Refusal(response.status, std::string(method) + " " + Shown(url));
    return ReadMultistatus(host_.xml, response.body);
}

std::vector<Resource> DavServer::Propfind(const std::string& url, int depth,
                                          std::string_view body) {
    return Multistatus("PROPFIND", url, depth, body);
}

std::vector<Resource> DavServer::Report(const std::string& url, std::string_view body) {
    return Multistatus("REPORT", url, 1, body);
}

}  // namespace orvantis::dav

// The HTTP port on WinHTTP: one session and one connection handle per HttpSession, so WinHTTP
// keeps the connection between requests.

#include "platform/windows/Win32.hpp"
#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/Unicode.hpp"
#include "platform/Http.hpp"
#include "platform/HttpCommon.hpp"
#include "platform/windows/CaFileTrust.hpp"
#include "platform/windows/ComHandles.hpp"
#include "support/base64.hpp"

namespace orvantis::windows {
namespace {

using OwnedInternet = Owned<FreedBy<HINTERNET, WinHttpCloseHandle>>;

struct Address {
    std::wstring host;
    INTERNET_PORT port = 0;
    bool secure = false;
    std::wstring pathAndQuery;
    std::string server;  // as failures name it
};

std::optional<Address> AddressOf(const std::string& url) {
    const std::optional<std::wstring> wide = WideFromUtf8(url);
    if (!wide) return std::nullopt;
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wide->c_str(), static_cast<DWORD>(wide->size()), 0, &parts)) return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
    Address address;
    address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    address.port = parts.nPort;
    address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    address.pathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    address.pathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (address.pathAndQuery.empty()) address.pathAndQuery = L"/";
    address.server = ServerName(address.secure ? "https" : "http", Utf8FromWide(address.host), address.port);
    return address;
}

// What WinHTTP tells of a request only through its status callback.
struct RequestState {
    bool sent = false;          // a timeout after this is the answer's, before it the connection's
    DWORD secureFailure = 0;    // WINHTTP_CALLBACK_STATUS_FLAG_*: what was wrong with a certificate
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information, DWORD) {
    auto* state = reinterpret_cast<RequestState*>(context);
    if (!state) return;
    if (status == WINHTTP_CALLBACK_STATUS_REQUEST_SENT) state->sent = true;
    if (status == WINHTTP_CALLBACK_STATUS_SECURE_FAILURE && information) {
        state->secureFailure = *static_cast<DWORD*>(information);
    }
}

// No secure connection, maybe only because the system's store lacks the server's authority:
// Windows says so in its flags, Wine says nothing (flags 0).
class SecureFailure : public HttpFailure {
public:
    SecureFailure(const HttpFailure& failure, DWORD flags) : HttpFailure(failure), flags_(flags) {}
    bool MayBeUnknownAuthority() const {
        return flags_ == 0 || (flags_ & WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA) != 0;
    }

private:
    DWORD flags_;
};

class WinHttpSession final : public HttpSession {
public:
    explicit WinHttpSession(const HttpSettings& settings)
        : settings_(settings),
          session_(WinHttpOpen(L"Orvantis", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                               WINHTTP_NO_PROXY_BYPASS, 0)) {
        if (!*session_) throw HttpFailure("cannot start WinHTTP (error " + std::to_string(GetLastError()) + ")");
        if (!settings.extraCaFile.empty()) extraTrust_.emplace(settings.extraCaFile);
        const int connect = Milliseconds(settings.connectTimeout);
        const int request = Milliseconds(settings.requestTimeout);
        WinHttpSetTimeouts(*session_, connect, connect, request, request);
        // Wine waits for the answer's head by this one alone, which is endless by default.
        DWORD headTimeout = static_cast<DWORD>(request);
        WinHttpSetOption(*session_, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headTimeout, sizeof(headTimeout));
        WinHttpSetStatusCallback(*session_, OnStatus,
                                 WINHTTP_CALLBACK_FLAG_SECURE_FAILURE | WINHTTP_CALLBACK_FLAG_SEND_REQUEST, 0);
    }

    HttpResponse Send(const HttpRequest& request) override {
        const std::optional<Address> address = AddressOf(request.url);
        if (!address) throw NotAnHttpAddress();
        CheckRequestLines(request);
        try {
            return Exchange(request, *address);
        } catch (const SecureFailure& failure) {
            if (!failure.MayBeUnknownAuthority()) throw;
            // A probe that carries nothing meets the server with its authority ignored, to tell
            // why, and to check the server against the extra CA file. WinHTTP cannot be told to
            // trust that file, and the password or a body never goes where the check has not
            // been made: the request is sent again with full checks, over the connection the
            // probe left open.
            Probe(*address, failure);
        }
        try {
            return Exchange(request, *address);
        } catch (const SecureFailure& failure) {
            if (!failure.MayBeUnknownAuthority()) throw;
            throw HttpFailure("TLS: the certificate of " + address->server +
                              " is trusted through the extra CA file, but the server closes each "
                              "connection, and WinHTTP can use that file only over a connection "
                              "kept open; add the authority to Windows' trusted root store instead");
        }
    }

private:
    static int Milliseconds(std::chrono::seconds duration) {
        const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
        return static_cast<int>(std::clamp<long long>(milliseconds, 0, std::numeric_limits<int>::max()));
    }

    HINTERNET Connection(const Address& address) {
        if (!*connect_ || address.host != connectedHost_ || address.port != connectedPort_) {
            connect_ = OwnedInternet(WinHttpConnect(*session_, address.host.c_str(), address.port, 0));
            if (!*connect_) Fail(GetLastError(), RequestState{}, address.server);
            connectedHost_ = address.host;
            connectedPort_ = address.port;
        }
        return *connect_;
    }

    OwnedInternet OpenRequest(const std::string& method, const Address& address, DWORD securityFlags) {
        const std::wstring verb(method.begin(), method.end());  // a token: ASCII
        OwnedInternet handle(WinHttpOpenRequest(Connection(address), verb.c_str(),
                                                address.pathAndQuery.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                address.secure ? WINHTTP_FLAG_SECURE : 0));
        if (!*handle) Fail(GetLastError(), RequestState{}, address.server);
        DWORD disabled = WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_COOKIES;
        WinHttpSetOption(*handle, WINHTTP_OPTION_DISABLE_FEATURE, &disabled, sizeof(disabled));
        if (securityFlags) {
            WinHttpSetOption(*handle, WINHTTP_OPTION_SECURITY_FLAGS, &securityFlags, sizeof(securityFlags));
        }
        return handle;
    }

    std::wstring HeaderLines(const HttpRequest& request) const {
        std::string lines;
        for (const auto& [name, value] : request.headers) lines += name + ": " + value + "\r\n";
        if (!settings_.user.empty() || !settings_.password.empty()) {
            lines += "Authorization: Basic " + base64::Base64OfBytes(settings_.user + ":" + settings_.password) + "\r\n";
        }
        std::optional<std::wstring> wide = WideFromUtf8(lines);
        if (!wide) throw HttpFailure("the request was not sent: a header is not UTF-8 text");
        return *std::move(wide);
    }

    // state lives as long as the handle: WinHTTP reports into it.
    void SendRequest(HINTERNET handle, RequestState& state, const std::wstring& headers, const std::string& body,
                     const Address& address) {
        const auto size = static_cast<DWORD>(body.size());
        if (!WinHttpSendRequest(handle, headers.empty() ? WINHTTP_NO_ADDITIONAL_HEADERS : headers.c_str(),
                                static_cast<DWORD>(headers.size()),
                                size ? const_cast<char*>(body.data()) : WINHTTP_NO_REQUEST_DATA, size, size,
                                reinterpret_cast<DWORD_PTR>(&state))) {
            Fail(GetLastError(), state, address.server);
        }
    }

    void ReceiveResponse(HINTERNET handle, const RequestState& state, const Address& address) {
        if (!WinHttpReceiveResponse(handle, nullptr)) Fail(GetLastError(), state, address.server);
    }

    HttpResponse Exchange(const HttpRequest& request, const Address& address) {
        const auto deadline = std::chrono::steady_clock::now() + settings_.requestTimeout;
        RequestState state;
        OwnedInternet handle = OpenRequest(request.method, address, 0);
        SendRequest(*handle, state, HeaderLines(request), request.body, address);
        ReceiveResponse(*handle, state, address);
        HttpResponse response;
        response.status = static_cast<int>(NumberHeader(*handle, WINHTTP_QUERY_STATUS_CODE));
        for (const std::string& line : HeadLines(*handle)) AddHeaderLine(response, line);
        response.body = Body(*handle, state, address, deadline);
        return response;
    }

    // Throws unless the server's certificate is trusted through the extra CA file; leaves the
    // probe's connection open for the request when it is.
    void Probe(const Address& address, const SecureFailure& failure) {
        RequestState state;
        OwnedInternet handle = OpenRequest("OPTIONS", address, SECURITY_FLAG_IGNORE_UNKNOWN_CA);
        try {
            SendRequest(*handle, state, {}, {}, address);
        } catch (const HttpFailure&) {
            throw failure;  // not the authority, then
        }
        OwnedCertificate certificate;
        DWORD size = sizeof(PCCERT_CONTEXT);
        const bool trusted =
            extraTrust_ && WinHttpQueryOption(*handle, WINHTTP_OPTION_SERVER_CERT_CONTEXT, certificate.Put(), &size) &&
            extraTrust_->Trusts(*certificate, address.host);
        if (!trusted) {
            // Closed unread, so that its connection is not kept for later requests.
            throw MakeHttpFailure(HttpProblem::UntrustedCertificate, address.server, settings_,
                                  extraTrust_ ? "its authority is neither in the system's store nor in the extra CA file"
                                              : "its authority is not in the system's store");
        }
        ReceiveResponse(*handle, state, address);
        Body(*handle, state, address, std::chrono::steady_clock::now() + settings_.requestTimeout);
    }

    static DWORD NumberHeader(HINTERNET handle, DWORD query) {
        DWORD value = 0;
        DWORD size = sizeof(value);
        WinHttpQueryHeaders(handle, query | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &value, &size,
                            WINHTTP_NO_HEADER_INDEX);
        return value;
    }

    static std::vector<std::string> HeadLines(HINTERNET handle) {
        DWORD size = 0;
        WinHttpQueryHeaders(handle, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                            WINHTTP_NO_HEADER_INDEX);
        std::wstring head(size / sizeof(wchar_t), L'\0');
        if (!WinHttpQueryHeaders(handle, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, head.data(),
                                 &size, WINHTTP_NO_HEADER_INDEX)) {
            return {};
        }
        head.resize(size / sizeof(wchar_t));
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < head.size();) {
            std::size_t end = head.find(L"\r\n", start);
            if (end == std::wstring::npos) end = head.size();
            lines.push_back(Utf8FromWide(std::wstring_view(head).substr(start, end - start)));
            start = end + 2;
        }
        return lines;
    }

    std::string Body(HINTERNET handle, const RequestState& state, const Address& address,
                     std::chrono::steady_clock::time_point deadline) {
        std::string body;
        char buffer[16384];
        for (;;) {
            DWORD read = 0;
            if (!WinHttpReadData(handle, buffer, sizeof(buffer), &read)) Fail(GetLastError(), state, address.server);
            if (read == 0) return body;
            body.append(buffer, read);
            // WinHTTP's own timeouts hold for each read, not for the whole answer.
            if (std::chrono::steady_clock::now() > deadline) {
                throw MakeHttpFailure(HttpProblem::AnswerTimeout, address.server, settings_);
            }
        }
    }

    [[noreturn]] void Fail(DWORD error, const RequestState& state, const std::string& server) const {
        const std::string code = "WinHTTP error " + std::to_string(error);
        switch (error) {
            case ERROR_WINHTTP_INVALID_URL:
            case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: throw NotAnHttpAddress();
            case ERROR_WINHTTP_NAME_NOT_RESOLVED:
                throw MakeHttpFailure(HttpProblem::UnknownHost, server, settings_);
            case ERROR_WINHTTP_CANNOT_CONNECT:
            case WSAECONNREFUSED:
                throw MakeHttpFailure(HttpProblem::CannotConnect, server, settings_);
            case ERROR_WINHTTP_TIMEOUT:
            case WSAETIMEDOUT:  // Wine's word for it
                throw MakeHttpFailure(state.sent ? HttpProblem::AnswerTimeout : HttpProblem::ConnectTimeout, server,
                                      settings_);
            case ERROR_WINHTTP_CONNECTION_ERROR:
            case ERROR_WINHTTP_INVALID_SERVER_RESPONSE:
                throw MakeHttpFailure(HttpProblem::ConnectionLost, server, settings_, code);
            case ERROR_WINHTTP_SECURE_FAILURE:
            case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
            case ERROR_WINHTTP_SECURE_INVALID_CA:
            case ERROR_WINHTTP_SECURE_INVALID_CERT:
            case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
            case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
            case ERROR_WINHTTP_SECURE_CERT_REVOKED:
            case ERROR_WINHTTP_SECURE_CERT_REV_FAILED: break;
            default: throw MakeHttpFailure(HttpProblem::Other, server, settings_, code);
        }
        const DWORD flags = state.secureFailure | FlagOfSecureError(error);
        throw SecureFailure(SecureFailureText(flags, server, code), flags);
    }

    static DWORD FlagOfSecureError(DWORD error) {
        switch (error) {
            case ERROR_WINHTTP_SECURE_INVALID_CA: return WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA;
            case ERROR_WINHTTP_SECURE_CERT_CN_INVALID: return WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID;
            case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID: return WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID;
            case ERROR_WINHTTP_SECURE_CERT_REVOKED: return WINHTTP_CALLBACK_STATUS_FLAG_CERT_REVOKED;
            default: return 0;
        }
    }

    HttpFailure SecureFailureText(DWORD flags, const std::string& server, const std::string& code) const {
        if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID) {
            return MakeHttpFailure(HttpProblem::CertificateOfAnotherHost, server, settings_);
        }
        if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID) {
            return MakeHttpFailure(HttpProblem::UntrustedCertificate, server, settings_, "expired or not yet valid");
        }
        if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_REVOKED) {
            return MakeHttpFailure(HttpProblem::UntrustedCertificate, server, settings_, "revoked");
        }
        if (flags & WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CA) {
            return MakeHttpFailure(HttpProblem::UntrustedCertificate, server, settings_,
                                   "its authority is not in the system's store");
        }
        return MakeHttpFailure(HttpProblem::SecureConnectionFailed, server, settings_, code);
    }

    HttpSettings settings_;
    std::optional<CaFileTrust> extraTrust_;
    OwnedInternet session_;
    OwnedInternet connect_;
    std::wstring connectedHost_;
    INTERNET_PORT connectedPort_ = 0;
};

class WinHttpClient final : public Http {
public:
    std::unique_ptr<HttpSession> Open(const HttpSettings& settings) override {
        return std::make_unique<WinHttpSession>(settings);
    }
};

}  // namespace
}  // namespace orvantis::windows

namespace orvantis {

Http& SystemHttp() {
    static windows::WinHttpClient http;
    return http;
}

}  // namespace orvantis

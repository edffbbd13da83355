#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvantis {

// One HTTP request. Texts are UTF-8; the URL is absolute (http or https).
struct HttpRequest {
    std::string method;
    std::string url;
    std::vector<std::pair<std::string, std::string>> headers{};
    std::string body{};
};

struct HttpResponse {
    int status = 0;
    // Header names in lower case, in the order the server sent them.
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The first header of that name (given in lower case), if any.
    std::optional<std::string> Header(std::string_view lowerCaseName) const {
        for (const auto& [name, value] : headers) {
            if (name == lowerCaseName) return value;
        }
        return std::nullopt;
    }
};

// How a session reaches its server. The password is sent as Basic authentication on every
// request; it is never logged and never part of a failure's text.
struct HttpSettings {
    std::string user;
    std::string password;
    // A PEM file of certificate authorities trusted besides the system's own store (a
    // company's own CA). Verification is never turned off.
    std::string extraCaFile;
    std::chrono::seconds connectTimeout{15};
    // The longest a request may take from sending to the last byte of its answer.
    std::chrono::seconds requestTimeout{120};
};

// Nothing was answered: the server could not be reached, TLS was refused, or time ran out.
// The text says which, in words a user can act on, and never holds a password.
class HttpFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A series of requests to one server that keeps its connection open between them where the
// server allows it. Redirects are answered, not followed: the caller decides.
class HttpSession {
public:
    virtual ~HttpSession() = default;
    // The server's answer, whatever its status; HttpFailure when there is none.
    virtual HttpResponse Send(const HttpRequest& request) = 0;
};

// Port: HTTP clients.
class Http {
public:
    virtual ~Http() = default;
    // HttpFailure when the settings cannot be used (an extra CA file that cannot be read).
    virtual std::unique_ptr<HttpSession> Open(const HttpSettings& settings) = 0;
};

// The platform's client (libcurl, WinHTTP), provided by each adapter folder.
Http& SystemHttp();

}  // namespace orvantis

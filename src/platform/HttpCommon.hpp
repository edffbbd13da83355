#pragma once

// What both HTTP adapters share.

#include <string>
#include <string_view>

#include "platform/Http.hpp"

namespace orvantis {

// What kept a request from its answer, as each HTTP adapter sorts its own error codes; the
// words a user reads are chosen here, once for every platform.
enum class HttpProblem {
    UnknownHost,
    CannotConnect,
    ConnectTimeout,
    AnswerTimeout,
    UntrustedCertificate,
    CertificateOfAnotherHost,
    SecureConnectionFailed,
    ConnectionLost,
    Other,
};

// "scheme://host:port": how failures name a server, never with user info or password.
std::string ServerName(std::string_view scheme, std::string_view host, unsigned port);

// server is a ServerName; detail is the library's own words, added where they help.
HttpFailure MakeHttpFailure(HttpProblem problem, const std::string& server,
                            const HttpSettings& settings, std::string_view detail = {});

HttpFailure NotAnHttpAddress();

// Refuses (HttpFailure) a request whose method or header would break the request's lines: a
// value often comes from a server (an ETag), and a line break in it would add headers.
void CheckRequestLines(const HttpRequest& request);

// Adds one line of an answer's head: a status line starts the headers afresh (after an interim
// answer such as 100 Continue), a header is added with its name in lower case.
void AddHeaderLine(HttpResponse& response, std::string_view line);

// The PEM text of HttpSettings::extraCaFile (a UTF-8 path); HttpFailure naming the file when it
// cannot be read or holds no certificate.
std::string ReadExtraCaFile(const std::string& path);

}  // namespace orvantis

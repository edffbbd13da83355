#include "platform/HttpCommon.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvantis {
namespace {

std::string Seconds(std::chrono::seconds duration) {
    return std::to_string(duration.count()) + " s";
}

std::string InBrackets(std::string_view detail) {
    return detail.empty() ? std::string() : " (" + std::string(detail) + ")";
}

bool IsTokenCharacter(char c) {
    static constexpr std::string_view kSeparators = "()<>@,;:\\\"/[]?={} \t";
    return c > ' ' && c < 127 && kSeparators.find(c) == std::string_view::npos;
}

bool IsToken(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!IsTokenCharacter(c)) return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

void CheckRequestLines(const HttpRequest& request) {
    if (!IsToken(request.method)) {
        throw HttpFailure("the request was not sent: its method is not a single word");
    }
    for (const auto& [name, value] : request.headers) {
        if (!IsToken(name)) {
            throw HttpFailure("the request was not sent: a header's name is not a single word");
        }
        if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            throw HttpFailure("the request was not sent: the header " + name +
                              " holds a line break");
        }
    }
}

void AddHeaderLine(HttpResponse& response, std::string_view line) {
    if (line.starts_with("HTTP/")) {
        response.headers.clear();
        return;
    }
    auto& headers = response.headers;
    if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !headers.empty()) {
        headers.back().second += ' ';
        headers.back().second += Trimmed(line);
        return;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return;
    std::string name(Trimmed(line.substr(0, colon)));
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    headers.emplace_back(std::move(name), std::string(Trimmed(line.substr(colon + 1))));
}

std::string ServerName(std::string_view scheme, std::string_view host, unsigned port) {
    return std::string(scheme) + "://" + std::string(host) + ":" + std::to_string(port);
}

HttpFailure MakeHttpFailure(HttpProblem problem, const std::string& server,
                            const HttpSettings& settings, std::string_view detail) {
    switch (problem) {
        case HttpProblem::UnknownHost:
            return HttpFailure("cannot find the server " + server + ": no such host name");
        case HttpProblem::CannotConnect:
            return HttpFailure("cannot connect to " + server + InBrackets(detail));
        case HttpProblem::ConnectTimeout:
            return HttpFailure("cannot connect to " + server + " within " +
                               Seconds(settings.connectTimeout));
        case HttpProblem::AnswerTimeout:
            return HttpFailure("no answer from " + server + " within " +
                               Seconds(settings.requestTimeout));
        case HttpProblem::UntrustedCertificate:
            return HttpFailure("TLS: the certificate of " + server + " is not trusted" +
                               InBrackets(detail) +
                               "; a server certified by a company's own authority needs that "
                               "authority's PEM file as the extra CA file");
        case HttpProblem::CertificateOfAnotherHost:
            return HttpFailure("TLS: the certificate of " + server +
                               " is made out to another host name" + InBrackets(detail));
        case HttpProblem::SecureConnectionFailed:
            return HttpFailure("TLS: cannot set up a secure connection to " + server +
                               InBrackets(detail));
        case HttpProblem::ConnectionLost:
            return HttpFailure("the connection to " + server +
                               " was lost before the whole answer came" + InBrackets(detail));
        case HttpProblem::Other: break;
    }
    return HttpFailure("the request to " + server + " failed" + InBrackets(detail));
}

HttpFailure NotAnHttpAddress() {
    // The address is not repeated: it may hold a password.
    return HttpFailure("the server's address is not an http or https URL");
}

std::string ReadExtraCaFile(const std::string& path) {
    const std::u8string utf8(path.begin(), path.end());
    std::ifstream file(std::filesystem::path(utf8), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || file.bad()) throw HttpFailure("cannot read the extra CA file " + path);
    if (text.find("-----BEGIN CERTIFICATE-----") == std::string::npos) {
        throw HttpFailure("the extra CA file " + path + " holds no PEM certificate");
    }
    return text;
}

}  // namespace orvantis

// The HTTP port on libcurl: one easy handle per session, so its connection is kept between
// requests.

#include <curl/curl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Http.hpp"
#include "platform/HttpCommon.hpp"
#include "platform/posix/Owned.hpp"

namespace orvantis {
namespace {

using OwnedEasy = Owned<CURL, curl_easy_cleanup>;
using OwnedList = Owned<curl_slist, curl_slist_free_all>;
using OwnedUrl = Owned<CURLU, curl_url_cleanup>;
using OwnedText = Owned<char, curl_free>;

void InitializeCurlOnce() {
    static const CURLcode result = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (result != CURLE_OK) throw HttpFailure("cannot start libcurl: " + std::string(curl_easy_strerror(result)));
}

// How failures name the URL's server; empty when the URL is not an absolute http(s) one.
std::optional<std::string> ServerOfUrl(const std::string& url) {
    OwnedUrl parts(curl_url());
    if (!parts || curl_url_set(parts.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) {
        return std::nullopt;
    }
    auto part = [&](CURLUPart which, unsigned int flags) -> std::string {
        char* text = nullptr;
        if (curl_url_get(parts.get(), which, &text, flags) != CURLUE_OK) return {};
        OwnedText owned(text);
        return text;
    };
    const std::string scheme = part(CURLUPART_SCHEME, 0);
    if (scheme != "http" && scheme != "https") return std::nullopt;
    const std::string port = part(CURLUPART_PORT, CURLU_DEFAULT_PORT);
    return ServerName(scheme, part(CURLUPART_HOST, 0),
                      static_cast<unsigned>(std::stoul(port.empty() ? "0" : port)));
}

// The bundle libcurl would read by default, so that an extra CA adds to it.
std::string SystemCaBundle(CURL* curl) {
    const char* builtIn = nullptr;
    curl_easy_getinfo(curl, CURLINFO_CAINFO, &builtIn);
    for (const char* path : {builtIn, "/etc/ssl/certs/ca-certificates.crt"}) {
        if (!path) continue;
        std::ifstream file(path, std::ios::binary);
        if (file) return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    return {};
}

std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t count, void* response) {
    AddHeaderLine(*static_cast<HttpResponse*>(response), std::string_view(data, size * count));
    return size * count;
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

// PUT and POST say "Content-Length: 0" when empty; GET, HEAD and DELETE send no body.
bool SendsBody(const HttpRequest& request) {
    return !request.body.empty() || request.method == "PUT" || request.method == "POST";
}

bool HasHeader(const HttpRequest& request, std::string_view lowerCaseName) {
    for (const auto& [name, value] : request.headers) {
        if (name.size() == lowerCaseName.size() &&
            std::equal(name.begin(), name.end(), lowerCaseName.begin(),
                       [](char a, char b) { return (a | 0x20) == b; })) {
            return true;
        }
    }
    return false;
}

OwnedList HeaderList(const HttpRequest& request) {
    OwnedList list;
    auto add = [&](const std::string& line) {
        curl_slist* longer = curl_slist_append(list.get(), line.c_str());
        if (!longer) throw std::bad_alloc();
        if (!list) list.reset(longer);
    };
    for (const auto& [name, value] : request.headers) {
        // "Name:" would remove libcurl's own header of that name; "Name;" sends it empty.
        add(value.empty() ? name + ";" : name + ": " + value);
    }
    // No 100-continue wait, and no form type libcurl would give a body of no stated type.
    add("Expect:");
    if (!HasHeader(request, "content-type")) add("Content-Type:");
    return list;
}

class CurlSession final : public HttpSession {
public:
    explicit CurlSession(const HttpSettings& settings) : settings_(settings), curl_(curl_easy_init()) {
        if (!curl_) throw HttpFailure("cannot start libcurl");
        Set(CURLOPT_NOSIGNAL, 1L);
        Set(CURLOPT_FOLLOWLOCATION, 0L);
        Set(CURLOPT_PROTOCOLS_STR, "http,https");
        Set(CURLOPT_ERRORBUFFER, error_);
        Set(CURLOPT_CONNECTTIMEOUT, static_cast<long>(settings.connectTimeout.count()));
        Set(CURLOPT_TIMEOUT, static_cast<long>(settings.requestTimeout.count()));
        Set(CURLOPT_SSL_VERIFYPEER, 1L);
        Set(CURLOPT_SSL_VERIFYHOST, 2L);
        Set(CURLOPT_HEADERFUNCTION, OnHeaderLine);
        Set(CURLOPT_WRITEFUNCTION, OnBody);
        if (!settings.user.empty() || !settings.password.empty()) {
            Set(CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
            Set(CURLOPT_USERNAME, settings.user.c_str());
            Set(CURLOPT_PASSWORD, settings.password.c_str());
        }
        if (!settings.extraCaFile.empty()) {
            // CURLOPT_CAINFO would replace the system's bundle: both go in one blob instead.
            std::string bundle = SystemCaBundle(curl_.get()) + "\n" + ReadExtraCaFile(settings.extraCaFile);
            curl_blob blob{bundle.data(), bundle.size(), CURL_BLOB_COPY};
            Set(CURLOPT_CAINFO_BLOB, &blob);
        }
    }

    HttpResponse Send(const HttpRequest& request) override {
        const std::optional<std::string> server = ServerOfUrl(request.url);
        if (!server) throw NotAnHttpAddress();
        CheckRequestLines(request);
        const OwnedList headers = HeaderList(request);
        HttpResponse response;
        // NOBODY first: clearing it turns the handle back to GET.
        Set(CURLOPT_NOBODY, request.method == "HEAD" ? 1L : 0L);
        if (SendsBody(request)) {
            Set(CURLOPT_POSTFIELDS, request.body.data());
            Set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
        } else {
            Set(CURLOPT_HTTPGET, 1L);
        }
        Set(CURLOPT_CUSTOMREQUEST, request.method.c_str());
        Set(CURLOPT_URL, request.url.c_str());
        Set(CURLOPT_HTTPHEADER, headers.get());
        Set(CURLOPT_HEADERDATA, &response);
        Set(CURLOPT_WRITEDATA, &response.body);
        error_[0] = '\0';
        const CURLcode result = curl_easy_perform(curl_.get());
        Set(CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
        if (result != CURLE_OK) throw FailureOf(result, *server);
        long status = 0;
        curl_easy_getinfo(curl_.get(), CURLINFO_RESPONSE_CODE, &status);
        response.status = static_cast<int>(status);
        return response;
    }

private:
    template <class Value>
    void Set(CURLoption option, Value value) {
        const CURLcode result = curl_easy_setopt(curl_.get(), option, value);
        if (result != CURLE_OK) {
            throw HttpFailure("libcurl refused an option: " + std::string(curl_easy_strerror(result)));
        }
    }

    HttpFailure FailureOf(CURLcode result, const std::string& server) const {
        const std::string_view detail = error_[0] ? error_ : curl_easy_strerror(result);
        switch (result) {
            case CURLE_URL_MALFORMAT:
            case CURLE_UNSUPPORTED_PROTOCOL: return NotAnHttpAddress();
            case CURLE_COULDNT_RESOLVE_HOST:
                return MakeHttpFailure(HttpProblem::UnknownHost, server, settings_);
            case CURLE_COULDNT_CONNECT:
                return MakeHttpFailure(HttpProblem::CannotConnect, server, settings_);
            case CURLE_OPERATION_TIMEDOUT:
                return MakeHttpFailure(Connected() ? HttpProblem::AnswerTimeout : HttpProblem::ConnectTimeout,
                                       server, settings_);
            case CURLE_PEER_FAILED_VERIFICATION:
                return MakeHttpFailure(ChainVerified() ? HttpProblem::CertificateOfAnotherHost
                                                       : HttpProblem::UntrustedCertificate,
                                       server, settings_, detail);
            case CURLE_SSL_CONNECT_ERROR:
            case CURLE_SSL_CERTPROBLEM:
            case CURLE_SSL_CIPHER:
            case CURLE_SSL_CACERT_BADFILE:
                return MakeHttpFailure(HttpProblem::SecureConnectionFailed, server, settings_, detail);
            case CURLE_SEND_ERROR:
            case CURLE_RECV_ERROR:
            case CURLE_GOT_NOTHING:
            case CURLE_PARTIAL_FILE:
                return MakeHttpFailure(HttpProblem::ConnectionLost, server, settings_, detail);
            default: break;
        }
        return MakeHttpFailure(HttpProblem::Other, server, settings_, detail);
    }

    bool Connected() const {
        curl_off_t connectTime = 0;
        curl_easy_getinfo(curl_.get(), CURLINFO_CONNECT_TIME_T, &connectTime);
        return connectTime > 0;
    }

    // The chain was trusted, so what failed is the host name check.
    bool ChainVerified() const {
        long verifyResult = -1;
        curl_easy_getinfo(curl_.get(), CURLINFO_SSL_VERIFYRESULT, &verifyResult);
        return verifyResult == 0;
    }

    HttpSettings settings_;
    OwnedEasy curl_;
    char error_[CURL_ERROR_SIZE] = {};
};

class CurlHttp final : public Http {
public:
    std::unique_ptr<HttpSession> Open(const HttpSettings& settings) override {
        InitializeCurlOnce();
        return std::make_unique<CurlSession>(settings);
    }
};

}  // namespace

Http& SystemHttp() {
    static CurlHttp http;
    return http;
}

}  // namespace orvantis

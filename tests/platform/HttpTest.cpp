// The platform's HTTP client (libcurl or WinHTTP) against a real Radicale and a few servers that
// misbehave, all started by tests/dav/with-radicale (see the ORVANTIS_* variables there).

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fakes/FileBytes.hpp"
#include "platform/Http.hpp"
#include "platform/HttpCommon.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvantis {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool RunningUnderWine() {
#ifdef _WIN32
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

const std::string kPassword = test::FileBytes(Environment("ORVANTIS_DAV_PASSWORD_FILE"));

// The server's settings: its user and password, and its authority when it speaks TLS.
HttpSettings ServerSettings() {
    HttpSettings settings;
    settings.user = Environment("ORVANTIS_DAV_USER");
    settings.password = kPassword;
    settings.extraCaFile = Environment("ORVANTIS_DAV_CA");
    // Generous: the machine may be busy with builds.
    settings.connectTimeout = std::chrono::seconds(30);
    settings.requestTimeout = std::chrono::seconds(30);
    return settings;
}

std::string Url(const std::string& path) { return Environment("ORVANTIS_DAV_URL") + path; }

std::string WithoutSlash(const std::string& url) { return url.substr(0, url.size() - 1); }

HttpResponse Send(HttpSession& session, const std::string& method, const std::string& url,
                  std::vector<std::pair<std::string, std::string>> headers = {}) {
    return session.Send({method, url, std::move(headers), {}});
}

// The failure's text, or "" when the request was answered.
std::string FailureOf(const HttpSettings& settings, const std::string& url) {
    try {
        SystemHttp().Open(settings)->Send({"GET", url, {}, {}});
    } catch (const HttpFailure& failure) {
        return failure.what();
    }
    return "";
}

class HttpTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (Environment("ORVANTIS_DAV_URL").empty()) GTEST_SKIP() << "run through tests/dav/with-radicale";
    }
};

// Requests and answers as the DAV target exchanges them (methods, headers, bodies, ETags,
// 412) are the dav tests', against Radicale through the same client; here, what they do not
// reach.
TEST_F(HttpTest, AnswersWhatTheClientDoesNotFollow) {
    HttpSettings wrongPassword = ServerSettings();
    wrongPassword.password = "not-" + kPassword;
    const HttpResponse refused = Send(*SystemHttp().Open(wrongPassword), "PROPFIND", Url(""), {{"Depth", "0"}});
    EXPECT_EQ(refused.status, 401);
    EXPECT_TRUE(refused.Header("www-authenticate").has_value());

    const HttpResponse moved = Send(*SystemHttp().Open(ServerSettings()), "GET", Url(".well-known/carddav"));
    EXPECT_EQ(moved.status / 100, 3);
    EXPECT_TRUE(moved.Header("location").has_value());
}

// No answer: the text names the server as scheme://host:port and never the password or the
// user info of the address.
TEST_F(HttpTest, SaysWhyThereIsNoAnswer) {
    const std::string closed = Environment("ORVANTIS_HTTP_CLOSED_URL");
    const std::string silent = Environment("ORVANTIS_HTTP_SILENT_URL");
    if (closed.empty() || silent.empty()) GTEST_SKIP() << "needs with-radicale --probes";
    auto withUserInfo = [](const std::string& url) {
        return "http://alice:" + kPassword + "@" + url.substr(std::string("http://").size());
    };
    const std::tuple<const char*, std::string, std::string> cases[] = {  // name, URL, failure
        {"nobody listens", withUserInfo(closed), "cannot connect to " + WithoutSlash(closed)},
        {"never answers", withUserInfo(silent), "no answer from " + WithoutSlash(silent) + " within 2 s"},
        {"not http", "ftp://127.0.0.1/", "not an http or https URL"},
        {"not a URL", "alice:" + kPassword, "not an http or https URL"},
    };
    HttpSettings impatient = ServerSettings();
    impatient.connectTimeout = impatient.requestTimeout = std::chrono::seconds(2);
    for (const auto& [name, url, expected] : cases) {
        const auto start = std::chrono::steady_clock::now();
        const std::string failure = FailureOf(impatient, url);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6)) << name;
        EXPECT_NE(failure.find(expected), std::string::npos) << name << ": " << failure;
        EXPECT_EQ(failure.find(kPassword), std::string::npos) << name << ": " << failure;
        EXPECT_EQ(failure.find("alice"), std::string::npos) << name << ": " << failure;
    }
}

TEST_F(HttpTest, RefusesAHeaderThatWouldAddLines) {
    auto session = SystemHttp().Open(ServerSettings());
    EXPECT_THROW(Send(*session, "GET", Url(""), {{"If-Match", "\"x\"\r\nX-Injected: 1"}}), HttpFailure);
    EXPECT_THROW(Send(*session, "GET /x", Url("")), HttpFailure);
}

// Over TLS too (with-radicale --tls), where WinHTTP first probes a server whose authority only
// the extra CA file holds, and the request then keeps the probe's connection.
TEST_F(HttpTest, KeepsOneConnectionForItsRequests) {
    const std::string counter = Environment("ORVANTIS_HTTP_KEEP_ALIVE_URL");
    if (counter.empty()) GTEST_SKIP() << "needs with-radicale --probes";
    auto session = SystemHttp().Open(ServerSettings());
    // The count of connections the server has accepted, so far.
    const std::string first = Send(*session, "GET", counter).body;
    EXPECT_TRUE(first == "1" || first == "2") << first << " (WinHTTP's failed first try is one)";
    for (int request = 1; request < 4; ++request) {
        EXPECT_EQ(Send(*session, "GET", counter).body, first) << "request " << request;
    }
}

class HttpsTest : public HttpTest {
protected:
    void SetUp() override {
        HttpTest::SetUp();
        if (Environment("ORVANTIS_DAV_CA").empty()) GTEST_SKIP() << "needs with-radicale --tls";
    }
};

TEST_F(HttpsTest, RefusesACertificateOfAnUnknownAuthority) {
    // No extra file, and one of other authorities (the system's own, as a file).
    for (const std::string& extraCaFile : {std::string(), std::string("/etc/ssl/certs/ca-certificates.crt")}) {
        HttpSettings settings = ServerSettings();
        settings.extraCaFile = extraCaFile;
        const std::string untrusted = FailureOf(settings, Url(""));
        EXPECT_NE(untrusted.find("TLS: the certificate of " + WithoutSlash(Url("")) + " is not trusted"),
                  std::string::npos)
            << extraCaFile << ": " << untrusted;
    }
}

// The certificate names localhost and 127.0.0.1; an address is matched otherwise than a name.
TEST_F(HttpsTest, MatchesAnAddressTheCertificateNames) {
    if (RunningUnderWine()) GTEST_SKIP() << "Wine's WinHTTP matches no IP address in a certificate";
    const std::string counter = Environment("ORVANTIS_HTTP_KEEP_ALIVE_URL");
    const std::string byAddress = "https://127.0.0.1" + counter.substr(std::string("https://localhost").size());
    EXPECT_EQ(Send(*SystemHttp().Open(ServerSettings()), "GET", byAddress).status, 200);
}

// Radicale closes every connection after its answer.
TEST_F(HttpsTest, TrustsAServerThatClosesItsConnectionsThroughTheExtraAuthority) {
#ifdef _WIN32
    const std::string failure = FailureOf(ServerSettings(), Url(""));
    EXPECT_NE(failure.find("trusted through the extra CA file, but the server closes each connection"),
              std::string::npos)
        << failure;
#else
    EXPECT_EQ(Send(*SystemHttp().Open(ServerSettings()), "PROPFIND", Url(""), {{"Depth", "0"}}).status, 207);
#endif
}

TEST_F(HttpsTest, NamesAnExtraAuthorityFileItCannotUse) {
    const std::string notPem = Environment("ORVANTIS_DAV_PASSWORD_FILE");
    const std::string missing = notPem + ".missing";
    for (const std::string& file : {notPem, missing}) {
        HttpSettings settings = ServerSettings();
        settings.extraCaFile = file;
        const std::string failure = FailureOf(settings, Url(""));
        EXPECT_NE(failure.find("extra CA file " + file), std::string::npos) << failure;
    }
}

// The answer's head as both adapters read it, line by line.
TEST(HttpHeadLines, KeepTheLastAnswersHeadersInLowerCase) {
    HttpResponse response;
    for (const char* line : {"HTTP/1.1 100 Continue", "X-Interim: 1", "HTTP/1.1 207 Multi-Status",
                             "Content-Type: text/xml", "ETag:  \"a b\" \r\n", "X-Folded: one", "\t two",
                             "no colon", ": no name", "DAV: 1", "DAV: 2"}) {
        AddHeaderLine(response, line);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"content-type", "text/xml"}, {"etag", "\"a b\""}, {"x-folded", "one two"}, {"dav", "1"}, {"dav", "2"}};
    EXPECT_EQ(response.headers, expected);
    EXPECT_EQ(response.Header("dav"), "1");
}

}  // namespace
}  // namespace orvantis

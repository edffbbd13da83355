// Contacts with identifiers loaded into an address book of a real CardDAV server, then loaded
// again (nothing to write: the server holds them unchanged), against the bare load of the
// same contacts with no target in the same run: seconds, items per second, the ratio to the
// bare load and the HTTP requests per item. Each count goes to an address book of its own,
// made for the run.
// usage: dav_benchmark URL USER PASSWORD-FILE [CONTACTS...]   (1,000 and 10,000 by default)
// The settings it keeps go to the per-user settings folder: run it with XDG_CONFIG_HOME set to
// a folder of its own (scripts/dav-benchmark does, with a private Radicale).

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "DocumentLoader.hpp"
#include "ItemDocument.hpp"
#include "automation/Unicode.hpp"
#include "control/OrvantisAgent.hpp"
#include "platform/NativeHost.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::bench {
namespace {

// The platform's client, counting the requests its sessions send.
class CountingHttp : public Http {
public:
    std::unique_ptr<HttpSession> Open(const HttpSettings& settings) override {
        class Counted : public HttpSession {
        public:
            Counted(std::unique_ptr<HttpSession> session, std::size_t& sent)
                : session_(std::move(session)), sent_(sent) {}
            HttpResponse Send(const HttpRequest& request) override {
                ++sent_;
                return session_->Send(request);
            }

        private:
            std::unique_ptr<HttpSession> session_;
            std::size_t& sent_;
        };
        return std::make_unique<Counted>(SystemHttp().Open(settings), sent);
    }
    std::size_t sent = 0;
};

class SilentUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring&, const std::wstring&, int) override { return box::kOk; }
    DialogAnswer ShowDialog(const DialogView& view) override {
        return {DialogAnswer::Button::Close, view.controls};
    }
};

// An address book of its own for each count, so that its first load creates every contact.
std::string MakeAddressBook(Http& http, const HttpSettings& login, const std::string& url,
                            std::size_t contacts) {
    const std::string book = url + login.user + "/bench-" + std::to_string(contacts) + "-" +
                             std::to_string(std::time(nullptr)) + "/";
    const auto answer = http.Open(login)->Send(
        {.method = "MKCOL",
         .url = book,
         .headers = {{"Content-Type", "application/xml"}},
         .body = R"(<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" )"
                 R"(xmlns:A="urn:ietf:params:xml:ns:carddav"><D:set><D:prop><D:resourcetype>)"
                 R"(<D:collection/><A:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>)"});
    if (answer.status != 201) {
        std::fprintf(stderr, "MKCOL %s answered %d\n", book.c_str(), answer.status);
        std::exit(1);
    }
    return book;
}

}  // namespace
}  // namespace orvantis::bench

int main(int argc, char** argv) {
    using namespace orvantis;
    using namespace orvantis::bench;
    if (argc < 4) {
        std::fprintf(stderr, "usage: dav_benchmark URL USER PASSWORD-FILE [CONTACTS...]\n");
        return 2;
    }
    std::string url = argv[1];
    if (!url.ends_with('/')) url += '/';
    HttpSettings login;
    login.user = argv[2];
    std::getline(std::ifstream(argv[3]), login.password);
    std::vector<std::size_t> counts;
    for (int i = 4; i < argc; ++i) counts.push_back(std::strtoul(argv[i], nullptr, 10));
    if (counts.empty()) counts = {1'000, 10'000};

    SilentUserInterface ui;
    const auto native = CreateNativeHost(ui);
    Host& machine = native->Get();
    CountingHttp http;
    Host host{machine.xml,   machine.objects, ui,       machine.registry, machine.shell,
              machine.files, machine.settings, machine.timeZone, http,      machine.secrets};
    ConfigUtilities::SaveDavUrl(host, WideFromUtf8(url).value_or(L""));
    ConfigUtilities::SaveDavUser(host, WideFromUtf8(login.user).value_or(L""));
    ConfigUtilities::SaveDavPassword(host, WideFromUtf8(login.password).value_or(L""));

    std::printf("%-28s %9s %10s %7s %13s\n", "", "seconds", "items/s", "ratio", "requests/item");
    for (const std::size_t contacts : counts) {
        Variant bareDocument(ContactDocument(contacts, L""));
        const double bare = SecondsToLoad(machine, bareDocument);
        const std::string book = MakeAddressBook(http, login, url, contacts);
        ConfigUtilities::SaveDavAddressBook(host, WideFromUtf8(book).value_or(L""));
        Variant document(ContactDocument(contacts, L"dav"));
        const auto n = static_cast<double>(contacts);
        const auto row = [&](const std::string& name, double seconds, std::size_t requests) {
            std::printf("%-28s %9.3f %10.0f %7.1f %13.3f\n", name.c_str(), seconds, n / seconds,
                        seconds / bare, static_cast<double>(requests) / n);
        };
        std::printf("%zu contacts\n", contacts);
        row("bare load (no target)", bare, 0);
        for (const char* pass : {"into the server (first)", "into the server (again)"}) {
            const std::size_t before = http.sent;
            const double seconds = SecondsToLoad(host, document);
            row(pass, seconds, http.sent - before);
        }
    }
    return 0;
}

// Contacts with identifiers loaded into Outlook's stand-in, then loaded again as updates,
// against the bare load of the same document with no target in the same run: items per second,
// the ratio to the bare load, and the automation calls the inserter makes per item.
// usage: sandbox_benchmark [CONTACTS]   (10,000 by default)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "control/OrvantisAgent.hpp"
#include "platform/NativeHost.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::bench {
namespace {

class SilentUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring&, const std::wstring&, int) override { return box::kOk; }
    DialogAnswer ShowDialog(const DialogView&) override { return {}; }
};

std::wstring ContactDocument(std::size_t contacts, const wchar_t* target) {
    std::wstring text = std::wstring(L"<datas open=\"") + target + L"\">";
    for (std::size_t i = 0; i < contacts; ++i) {
        const auto n = std::to_wstring(i);
        text += L"<contact><id>C-" + n + L"</id><firstname>Ann</firstname><lastname>Lee " + n +
                L"</lastname><email>ann" + n + L"@example.com</email><company>Lee &amp; Co</company>"
                L"<company-phone>+33 1 00 00 00 00</company-phone><company-fax>+33 1 00 00 00 01"
                L"</company-fax><notes>Met at the fair.<br/>Call back.</notes></contact>";
    }
    return text + L"</datas>";
}

struct Run {
    double seconds = 0;
    std::size_t calls = 0;
};

Run Time(Host& host, const std::wstring& document, standins::Sandbox* sandbox) {
    const std::size_t callsBefore = sandbox ? sandbox->Outlook().ledger.calls.size() : 0;
    OrvantisAgent agent(host);
    Variant text(document);
    const auto start = std::chrono::steady_clock::now();
    agent.LoadXML(text);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!agent.isOk()) {
        std::fprintf(stderr, "the load did not finish\n");
        std::exit(1);
    }
    return {elapsed.count(), sandbox ? sandbox->Outlook().ledger.calls.size() - callsBefore : 0};
}

}  // namespace
}  // namespace orvantis::bench

int main(int argc, char** argv) {
    using namespace orvantis;
    using namespace orvantis::bench;
    const std::size_t contacts = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10'000;
    SilentUserInterface ui;
    const auto native = CreateNativeHost(ui);
    standins::Sandbox sandbox;  // in memory: nothing is written
    ObjectCatalog products;
    sandbox.Register(products);
    Host& machine = native->Get();
    Host host{machine.xml, products, ui, machine.registry, machine.shell, machine.files,
              machine.settings};

    const Run bare = Time(host, ContactDocument(contacts, L""), nullptr);
    const std::wstring document = ContactDocument(contacts, L"outlook");
    const Run added = Time(host, document, &sandbox);
    const Run updated = Time(host, document, &sandbox);
    if (sandbox.LiveObjects() != 0 || sandbox.Outlook().DefaultFolderContainer(10).items.size() != contacts) {
        std::fprintf(stderr, "the stand-in does not hold one contact per identifier\n");
        return 1;
    }
    const auto n = static_cast<double>(contacts);
    std::printf("%zu contacts with identifiers\n%-28s %10s %12s %8s %12s\n", contacts, "", "seconds",
                "items/s", "ratio", "calls/item");
    const auto row = [&](const char* name, const Run& run) {
        std::printf("%-28s %10.3f %12.0f %8.1f %12.1f\n", name, run.seconds, n / run.seconds,
                    run.seconds / bare.seconds, static_cast<double>(run.calls) / n);
    };
    row("bare load (no target)", bare);
    row("into Outlook (all new)", added);
    row("again (all updates)", updated);
    return 0;
}

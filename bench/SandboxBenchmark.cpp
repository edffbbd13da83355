// Contacts with identifiers loaded into each product's stand-in, then loaded again (updates
// where the product finds them), against the bare load of the same contacts with no target in
// the same run: seconds, the ratio to the bare load, the peak resident memory the load took
// on top of what the process held before it against the document's size, the items the
// product then holds and the automation calls it answered per contact. Each product starts from a fresh world in memory: nothing is written.
// The products count their calls only, as under `orvantis load --sandbox`; --whole-logs keeps
// every call, as the tests do.
// usage: sandbox_benchmark [--whole-logs] [CONTACTS [PRODUCT...]]   (10,000 and all five products by default)

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DocumentLoader.hpp"
#include "ItemDocument.hpp"
#include "ProcessMemory.hpp"
#include "control/OrvantisAgent.hpp"
#include "platform/NativeHost.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"
#include "standins/act/ActWorld.hpp"
#include "standins/goldmine/GoldMineWorld.hpp"
#include "standins/groupwise/GroupWiseWorld.hpp"
#include "standins/notes/NotesWorld.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::bench {
namespace {

// Answers every dialog with OK: the first line of a list chosen when none is (GroupWise's
// address book), GoldMine's login typed into its empty boxes.
class AnsweringUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring&, const std::wstring&, int) override { return box::kOk; }
    DialogAnswer ShowDialog(const DialogView& view) override {
        DialogAnswer answer{DialogAnswer::Button::Ok, view.controls};
        for (auto& control : answer.controls) {
            if (control.kind == DialogControl::Kind::ListBox && control.selection < 0 && !control.items.empty()) {
                control.selection = 0;
            }
            if (control.kind == DialogControl::Kind::TextBox && control.text.empty()) {
                control.text = control.password ? L"secret" : L"jdupont";
            }
        }
        return answer;
    }
};

// What the process holds now, with what earlier loads freed given back, and the peak reset to
// it: from here on, VmHWM less this is what the process took on top.
long long HeldWithPeakReset() {
    malloc_trim(0);
    ResetPeak();
    return StatusBytes("VmRSS");
}

struct Run {
    double seconds = 0;
    long long peakBytes = 0;
};

// `held`: what the process held before the product's first load, so that the second load's
// peak counts the world the first one left. The host's text is made before and not counted.
Run Time(Host& host, Variant& document, std::optional<long long> held = std::nullopt) {
    const long long now = HeldWithPeakReset();
    const long long before = held.value_or(now);
    const double seconds = SecondsToLoad(host, document);
    return {seconds, StatusBytes("VmHWM") - before};
}

std::size_t ItemsIn(const std::vector<standins::Container>& containers) {
    std::size_t count = 0;
    for (const auto& container : containers) count += container.items.size() + ItemsIn(container.containers);
    return count;
}

// Every item the product's world holds, in whatever containers it keeps them, and the
// automation calls the product answered (its call log).
struct Held {
    std::size_t items = 0;
    std::size_t calls = 0;
};

template <class World>
Held HeldIn(standins::Sandbox& sandbox, std::size_t (*items)(const World&)) {
    auto& world = sandbox.WorldOf<World>();
    return {items(world), world.ledger.calls.size()};
}

Held HeldBy(standins::Sandbox& sandbox, const std::wstring& product) {
    using namespace standins;
    if (product == L"outlook") return HeldIn<OutlookWorld>(sandbox, [](const OutlookWorld& w) { return ItemsIn(w.stores); });
    if (product == L"notes") return HeldIn<NotesWorld>(sandbox, [](const NotesWorld& w) { return ItemsIn(w.databases); });
    if (product == L"act") return HeldIn<ActWorld>(sandbox, [](const ActWorld& w) { return ItemsIn(w.databases); });
    if (product == L"goldmine") return HeldIn<GoldMineWorld>(sandbox, [](const GoldMineWorld& w) { return w.contacts.size(); });
    return HeldIn<GroupWiseWorld>(sandbox, [](const GroupWiseWorld& w) { return ItemsIn(w.ToData().containers); });
}

}  // namespace
}  // namespace orvantis::bench

int main(int argc, char** argv) {
    using namespace orvantis;
    using namespace orvantis::bench;
    const bool wholeLogs = argc > 1 && std::string(argv[1]) == "--whole-logs";
    if (wholeLogs) {
        --argc;
        ++argv;
    }
    const std::size_t contacts = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10'000;
    std::vector<std::string> products(argv + std::min(argc, 2), argv + argc);
    if (products.empty()) products = {"outlook", "notes", "act", "goldmine", "groupwise"};

    AnsweringUserInterface ui;
    const auto native = CreateNativeHost(ui);
    Host& machine = native->Get();
    std::wstring bareText = ContactDocument(contacts, L"");
    const auto documentBytes = static_cast<double>(bareText.size());  // ASCII: one byte a character
    Variant bareDocument(std::move(bareText));
    const Run bare = Time(machine, bareDocument);

    const auto n = static_cast<double>(contacts);
    std::printf("%zu contacts with identifiers, document %.1f MB\n%-26s %9s %10s %7s %9s %9s %9s %11s\n", contacts,
                documentBytes / 1e6, "", "seconds", "items/s", "ratio", "+peak MB", "+peak/doc", "held", "calls/item");
    const auto row = [&](const std::string& name, const Run& run, Held held, std::size_t callsBefore) {
        std::printf("%-26s %9.3f %10.0f %7.1f %9.0f %9.1f %9zu %11.1f\n", name.c_str(), run.seconds,
                    n / run.seconds, run.seconds / bare.seconds, static_cast<double>(run.peakBytes) / 1e6,
                    static_cast<double>(run.peakBytes) / documentBytes, held.items,
                    static_cast<double>(held.calls - callsBefore) / n);
    };
    row("bare load (no target)", bare, {}, 0);
    for (const auto& product : products) {
        standins::Sandbox sandbox;  // in memory, fresh for each product
        if (!wholeLogs) sandbox.CountCallsOnly();
        ObjectCatalog catalog;
        sandbox.Register(catalog);
        const auto registry = sandbox.InstalledOver(machine.registry);
        Host host{machine.xml, catalog, ui, *registry, machine.shell, machine.files, sandbox.Settings(),
                  machine.timeZone};
        const std::wstring target(product.begin(), product.end());  // ASCII
        Variant document(ContactDocument(contacts, target));
        const std::string& name = product;
        const long long held = HeldWithPeakReset();
        const Run first = Time(host, document, held);
        const Held afterFirst = HeldBy(sandbox, target);
        row("into " + name + " (first)", first, afterFirst, 0);
        const Run second = Time(host, document, held);
        row("into " + name + " (again)", second, HeldBy(sandbox, target), afterFirst.calls);
        if (sandbox.LiveObjects() != 0) {
            std::fprintf(stderr, "%s: stand-in objects still alive after the loads\n", name.c_str());
            return 1;
        }
    }
    return 0;
}

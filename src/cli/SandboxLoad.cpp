#include "cli/SandboxLoad.hpp"

#include <iostream>

#include "standins/Sandbox.hpp"

namespace orvantis::cli {
namespace {

// Every object a product hands out is released by the inserter that asked for it.
bool AllReleased(const standins::Sandbox& sandbox) {
    const std::size_t alive = sandbox.LiveObjects();
    if (alive == 0) return true;
    std::cerr << "orvantis: internal error: " << alive
              << " stand-in object(s) still alive after the load\n";
    return false;
}

}  // namespace

int LoadInSandbox(const std::filesystem::path& directory, Host& host,
                  const std::function<int(Host&)>& load) {
    // Held from before the worlds are read until they are saved, so that a second load of
    // the same folder neither reads a world this one is changing nor writes over its save.
    const auto lock = standins::Sandbox::Lock(directory, [&] {
        std::cerr << "orvantis: waiting for another load of " << directory.string()
                  << " to finish\n";
    });
    standins::Sandbox sandbox(directory);
    sandbox.CountCallsOnly();  // nothing here reads what the products were asked
    ObjectCatalog products;
    sandbox.Register(products);
    // The products' registry entries (an ACT! database, GoldMine's folder) come from their worlds.
    const auto registry = sandbox.InstalledOver(host.registry);
    SandboxSecrets secrets;
    Host sandboxed{host.xml,   products,          host.ui,       *registry, host.shell,
                   host.files, sandbox.Settings(), host.timeZone, host.http, secrets};
    int status = 0;
    try {
        status = load(sandboxed);
    } catch (...) {
        // What a failing load wrote stays in the product, as it would in the real one.
        sandbox.Save();
        AllReleased(sandbox);
        throw;
    }
    sandbox.Save();
    return AllReleased(sandbox) ? status : kObjectsLeftAlive;
}

}  // namespace orvantis::cli

#include "ServerCatalog.hpp"

#include <filesystem>
#include <fstream>
#include <optional>

#include "ProbeObjects.hpp"
#include "platform/windows/Win32.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::server {
namespace {

std::shared_ptr<ProbeWorld> probeWorld = std::make_shared<ProbeWorld>();

// Read at each save, so that an in-process host may set it after loading the server.
std::optional<std::filesystem::path> SandboxDirectory() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"ORVANTIS_SANDBOX_DIR", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return std::filesystem::path(std::wstring(folder, length));
}

// The products' worlds, read from the sandbox folder when the first object is created (the
// folder must be named by then) and kept in memory without one.
standins::Sandbox& Products() {
    static const auto sandbox = [] {
        const auto folder = SandboxDirectory();
        return folder ? std::make_unique<standins::Sandbox>(*folder)
                      : std::make_unique<standins::Sandbox>();
    }();
    return *sandbox;
}

}  // namespace

void FillCatalog(ObjectCatalog& catalog) {
    catalog.Register(L"Orvantis.StandInProbe", [] { return MakeProbe(probeWorld); });
    // The control's "msn" route reaches the same world as a plug-in.
    catalog.Register(L"Orvantis.MsnInserter", [] { return MakeProbe(probeWorld); });
    Products().Register(catalog);
}

void SaveWorlds() {
    const auto folder = SandboxDirectory();
    if (!folder) return;
    std::ofstream(*folder / "probe.json", std::ios::binary) << ProbeJson(*probeWorld);
    Products().Save();
}

}  // namespace orvantis::server

#include "ServerCatalog.hpp"

#include <filesystem>
#include <fstream>
#include <optional>

#include "ProbeObjects.hpp"
#include "platform/windows/Win32.hpp"

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

}  // namespace

void FillCatalog(ObjectCatalog& catalog) {
    catalog.Register(L"Orvantis.StandInProbe", [] { return MakeProbe(probeWorld); });
    // The control's "msn" route reaches the same world as a plug-in.
    catalog.Register(L"Orvantis.MsnInserter", [] { return MakeProbe(probeWorld); });
}

void SaveWorlds() {
    const auto folder = SandboxDirectory();
    if (!folder) return;
    std::ofstream(*folder / "probe.json", std::ios::binary) << ProbeJson(*probeWorld);
}

}  // namespace orvantis::server

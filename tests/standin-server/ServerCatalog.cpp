#include "ServerCatalog.hpp"

#include <filesystem>
#include <optional>

#include "platform/windows/Win32.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::server {
namespace {

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
    Products().Register(catalog);
}

void SaveWorlds() {
    const auto folder = SandboxDirectory();
    if (!folder) return;
    Products().Save();
}

}  // namespace orvantis::server

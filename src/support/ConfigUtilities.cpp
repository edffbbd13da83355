#include "support/ConfigUtilities.hpp"

#include "support/RegistreUtilities.hpp"

namespace orvantis::ConfigUtilities {
namespace {

constexpr std::int16_t kLocalMachine = 0;
constexpr std::int16_t kCurrentUser = 2;

}  // namespace

Variant GetActDatabasePath(Host& host) {
    return RegistreUtilities::ReadRegistryValue(host, kCurrentUser,
                                                L"Software\\Symantec\\ACT!\\Database",
                                                L"Last DB Name");
}

Variant GetNotesPath(Host& host) {
    return RegistreUtilities::ReadRegistryValue(host, kLocalMachine, L"Software\\Lotus\\Notes",
                                                L"Path");
}

Variant GetGoldMinePath(Host& host) {
    return RegistreUtilities::ReadRegistryValue(
        host, kLocalMachine, L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GMW6.exe",
        L"Path");
}

}  // namespace orvantis::ConfigUtilities

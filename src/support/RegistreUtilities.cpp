#include "support/RegistreUtilities.hpp"

#include <optional>

namespace orvantis::RegistreUtilities {

std::wstring ReadRegistryValue(Host& host, std::int16_t rootCode, const std::wstring& key,
                               const std::wstring& name) {
    static constexpr RegistryRoot kRoots[] = {RegistryRoot::LocalMachine, RegistryRoot::ClassesRoot,
                                              RegistryRoot::CurrentUser};
    if (rootCode < 0 || rootCode > 2) return {};
    return host.registry.ReadValue(kRoots[rootCode], key, name).value_or(std::wstring());
}

std::wstring GetSpecialFolderPath(Host& host, std::int32_t folderId) {
    // The shell port already ends every path in the platform's separator.
    return host.shell.SpecialFolderPath(folderId);
}

}  // namespace orvantis::RegistreUtilities

#include "support/RegistreUtilities.hpp"

namespace orvantis::RegistreUtilities {

std::wstring ReadRegistryValue(Host& host, RegistryRoot root, const std::wstring& key,
                               const std::wstring& name) {
    return host.registry.ReadValue(root, key, name).value_or(std::wstring());
}

}  // namespace orvantis::RegistreUtilities

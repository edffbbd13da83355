#pragma once

#include "platform/Registry.hpp"

namespace orvantis {

// There is no registry here: every lookup finds nothing, as on a machine where the
// products were never installed.
class NativeRegistry : public Registry {
public:
    std::optional<std::wstring> ReadValue(RegistryRoot, const std::wstring&,
                                          const std::wstring&) override {
        return std::nullopt;
    }
};

}  // namespace orvantis

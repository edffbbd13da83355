#pragma once

#include "platform/Registry.hpp"

namespace orvantis::windows {

// Opens keys for reading only, so a lookup never leaves a key behind. Only string values
// (REG_SZ, REG_EXPAND_SZ, unexpanded) are text; any other type reads as missing.
class NativeRegistry : public Registry {
public:
    std::optional<std::wstring> ReadValue(RegistryRoot root, const std::wstring& key,
                                          const std::wstring& name) override;
};

}  // namespace orvantis::windows

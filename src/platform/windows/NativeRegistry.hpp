#pragma once

#include <vector>

#include "platform/Registry.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

// A value's type and bytes, read whole even while it grows; the status of the last query.
LSTATUS QueryValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data);

// Opens keys for reading only, so a lookup never leaves a key behind. Only string values
// (REG_SZ, REG_EXPAND_SZ, unexpanded) are text; any other type reads as missing.
class NativeRegistry : public Registry {
public:
    std::optional<std::wstring> ReadValue(RegistryRoot root, const std::wstring& key,
                                          const std::wstring& name) override;
};

}  // namespace orvantis::windows

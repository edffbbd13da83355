#pragma once

#include <optional>
#include <string>

namespace orvantis {

enum class RegistryRoot { LocalMachine, ClassesRoot, CurrentUser };

// Port: reads one text value; opens keys read-only, so a lookup never creates a key.
class Registry {
public:
    virtual ~Registry() = default;
    // Empty when the key or the value does not exist.
    virtual std::optional<std::wstring> ReadValue(RegistryRoot root, const std::wstring& key,
                                                  const std::wstring& name) = 0;
};

}  // namespace orvantis

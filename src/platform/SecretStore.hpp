#pragma once

#include <optional>
#include <string>

namespace orvantis {

// Port: the current user's secrets (a server password), by name. They are kept where only
// that user can read them, and never as plain or Base64 text in the settings: on Windows
// sealed with the data-protection API for the user, on Linux in a file of mode 0600.
class SecretStore {
public:
    virtual ~SecretStore() = default;
    // Empty when none is kept. A secret that others could read, or that cannot be unsealed,
    // raises an AutomationError that says so.
    virtual std::optional<std::wstring> Read(const std::wstring& name) = 0;
    virtual void Write(const std::wstring& name, const std::wstring& secret) = 0;
};

// The platform's store, provided by each adapter folder.
SecretStore& SystemSecrets();

}  // namespace orvantis

#pragma once

#include <optional>
#include <string>

namespace orvantis {

// Port: per-user text settings addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty when the application, section or key is missing.
    virtual std::optional<std::wstring> Read(const std::wstring& application,
                                             const std::wstring& section,
                                             const std::wstring& key) = 0;
    // Creates what is missing and replaces any earlier value.
    virtual void Write(const std::wstring& application, const std::wstring& section,
                       const std::wstring& key, const std::wstring& value) = 0;
};

}  // namespace orvantis

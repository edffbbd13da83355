#pragma once

#include "platform/SettingsStore.hpp"

namespace orvantis::windows {

// HKEY_CURRENT_USER\Software\<application>\<section>, one string value per key.
class NativeSettingsStore : public SettingsStore {
public:
    std::optional<std::wstring> Read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override;
    void Write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override;
};

}  // namespace orvantis::windows

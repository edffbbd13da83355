#pragma once

#include "platform/SecretStore.hpp"

namespace orvantis::windows {

// HKEY_CURRENT_USER\Software\OrvantisAgent\Secrets, one REG_BINARY value per secret: the
// UTF-16 text sealed by the data-protection API for the current user, so the value is of no
// use to another account or on another computer.
class NativeSecretStore : public SecretStore {
public:
    std::optional<std::wstring> Read(const std::wstring& name) override;
    void Write(const std::wstring& name, const std::wstring& secret) override;

    static constexpr const wchar_t* kKey = L"Software\\OrvantisAgent\\Secrets";
};

}  // namespace orvantis::windows

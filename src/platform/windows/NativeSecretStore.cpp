#include "platform/windows/NativeSecretStore.hpp"

#include <vector>

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/NativeRegistry.hpp"
#include "platform/windows/Win32.hpp"
#include <dpapi.h>
#include <wincrypt.h>

namespace orvantis::windows {
namespace {

using SealedBytes = Owned<FreedBy<BYTE*, LocalFree>>;

// Fixed, so that another program of the same user does not unseal our secrets by chance.
constexpr wchar_t kDescription[] = L"Orvantis secret";
constexpr char kEntropy[] = "Orvantis secret store 1";

DATA_BLOB Entropy() {
    return {static_cast<DWORD>(sizeof kEntropy - 1),
            reinterpret_cast<BYTE*>(const_cast<char*>(kEntropy))};
}

std::wstring Where(const std::wstring& name) {
    return std::wstring(L"HKEY_CURRENT_USER\\") + NativeSecretStore::kKey + L"\\" + name;
}

[[noreturn]] void RaiseStatus(LSTATUS status, const std::wstring& name, const wchar_t* what) {
    if (status == ERROR_ACCESS_DENIED) {
        throw AutomationError::Standard(errors::kPermissionDenied, Where(name));
    }
    throw AutomationError(static_cast<std::int32_t>(HRESULT_FROM_WIN32(status)),
                          std::wstring(kComponentTitle), std::wstring(what) + L" " + Where(name));
}

// The sealed value; empty when none is stored.
std::optional<std::vector<BYTE>> ReadSealed(const std::wstring& name) {
    HKEY opened = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, NativeSecretStore::kKey, 0, KEY_QUERY_VALUE,
                                   &opened);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) RaiseStatus(status, name, L"Could not open");
    const OwnedKey key(opened);
    DWORD type = 0;
    std::vector<BYTE> data;
    status = QueryValue(opened, name, type, data);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) RaiseStatus(status, name, L"Could not read");
    if (type != REG_BINARY) {
        throw AutomationError::Standard(errors::kInvalidFileFormat,
                                        Where(name) + L" is not a sealed secret");
    }
    return data;
}

}  // namespace

std::optional<std::wstring> NativeSecretStore::Read(const std::wstring& name) {
    auto sealed = ReadSealed(name);
    if (!sealed) return std::nullopt;
    DATA_BLOB in{static_cast<DWORD>(sealed->size()), sealed->data()};
    DATA_BLOB entropy = Entropy();
    DATA_BLOB out{};
    if (!CryptUnprotectData(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                            &out)) {
        throw AutomationError::Standard(
            errors::kPermissionDenied,
            Where(name) + L" cannot be unsealed by this user on this computer; save the "
                          L"password again");
    }
    const SealedBytes plain(out.pbData);
    std::wstring secret(reinterpret_cast<const wchar_t*>(out.pbData), out.cbData / sizeof(wchar_t));
    SecureZeroMemory(out.pbData, out.cbData);
    return secret;
}

void NativeSecretStore::Write(const std::wstring& name, const std::wstring& secret) {
    DATA_BLOB in{static_cast<DWORD>(secret.size() * sizeof(wchar_t)),
                 reinterpret_cast<BYTE*>(const_cast<wchar_t*>(secret.data()))};
    DATA_BLOB entropy = Entropy();
    DATA_BLOB out{};
    if (!CryptProtectData(&in, kDescription, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                          &out)) {
        throw AutomationError(static_cast<std::int32_t>(HRESULT_FROM_WIN32(GetLastError())),
                              std::wstring(kComponentTitle),
                              L"The secret " + name + L" could not be sealed.");
    }
    const SealedBytes sealed(out.pbData);
    HKEY created = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                     &created, nullptr);
    if (status == ERROR_SUCCESS) {
        const OwnedKey key(created);
        status = RegSetValueExW(created, name.c_str(), 0, REG_BINARY, out.pbData, out.cbData);
    }
    if (status != ERROR_SUCCESS) RaiseStatus(status, name, L"Could not save");
}

}  // namespace orvantis::windows

namespace orvantis {

SecretStore& SystemSecrets() {
    static windows::NativeSecretStore store;
    return store;
}

}  // namespace orvantis

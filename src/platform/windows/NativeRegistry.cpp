#include "platform/windows/NativeRegistry.hpp"

#include <vector>

#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {
namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
        case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    }
    return nullptr;
}

}  // namespace

LSTATUS QueryValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
    // The value may grow between the size query and the read; ask again until it fits.
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.resize(size + sizeof(wchar_t));
        DWORD read = size;
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &read);
        if (status == ERROR_SUCCESS) {
            data.resize(read);
            break;
        }
        if (status == ERROR_MORE_DATA) size = read;
    }
    return status;
}

std::optional<std::wstring> NativeRegistry::ReadValue(RegistryRoot root, const std::wstring& key,
                                                       const std::wstring& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(RootKey(root), key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const OwnedKey owned(opened);
    DWORD type = 0;
    std::vector<BYTE> data;
    const LSTATUS status = QueryValue(opened, name, type, data);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    // Stored strings usually carry their terminating zero, and sometimes more than one.
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

}  // namespace orvantis::windows

#include "platform/windows/NativeSettingsStore.hpp"

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/NativeRegistry.hpp"

namespace orvantis::windows {
namespace {

// A name holding a backslash would address a key outside the application's own.
std::wstring SectionKey(const std::wstring& application, const std::wstring& section) {
    if (application.empty() || section.empty() ||
        application.find(L'\\') != std::wstring::npos ||
        section.find(L'\\') != std::wstring::npos) {
        throw AutomationError::Standard(errors::kInvalidArgument,
                                        L"settings name \"" + application + L"\\" + section + L"\"");
    }
    return L"Software\\" + application + L"\\" + section;
}

}  // namespace

std::optional<std::wstring> NativeSettingsStore::Read(const std::wstring& application,
                                                       const std::wstring& section,
                                                       const std::wstring& key) {
    return NativeRegistry().ReadValue(RegistryRoot::CurrentUser, SectionKey(application, section),
                                       key);
}

void NativeSettingsStore::Write(const std::wstring& application, const std::wstring& section,
                                 const std::wstring& key, const std::wstring& value) {
    const std::wstring path = SectionKey(application, section);
    HKEY created = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &created, nullptr);
    if (status == ERROR_SUCCESS) {
        const OwnedKey owned(created);
        status = RegSetValueExW(created, key.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    if (status == ERROR_ACCESS_DENIED) {
        throw AutomationError::Standard(errors::kPermissionDenied, L"HKEY_CURRENT_USER\\" + path);
    }
    if (status != ERROR_SUCCESS) {
        throw AutomationError(static_cast<std::int32_t>(HRESULT_FROM_WIN32(status)),
                              std::wstring(kComponentTitle),
                              L"The setting " + key + L" could not be saved.");
    }
}

}  // namespace orvantis::windows

#include "com/Registration.hpp"

#include <vector>

#include <olectl.h>

#include "platform/windows/ComHandles.hpp"

namespace orvantis::com {
namespace {

constexpr wchar_t kProgId[] = L"Orvantis.OrvantisAgent";
// The marshalers of the platform: for dual interfaces through their type library, and for
// pure dispatch interfaces.
constexpr wchar_t kTypeLibraryMarshaler[] = L"{00020424-0000-0000-C000-000000000046}";
constexpr wchar_t kDispatchMarshaler[] = L"{00020420-0000-0000-C000-000000000046}";
constexpr wchar_t kControlCategory[] = L"{40FC6ED4-2438-11CF-A3DB-080036F12502}";

// Built when asked, not while the module loads: GuidText calls into ole32.
std::wstring ClassKey() { return L"CLSID\\" + GuidText(CLSID_OrvantisAgent); }
std::wstring LibraryKey() { return L"TypeLib\\" + GuidText(LIBID_Orvantis); }
// Where the type library's file for this build's architecture is named.
std::wstring LibraryFileKey() {
    return LibraryKey() + (sizeof(void*) == 8 ? L"\\1.0\\0\\win64" : L"\\1.0\\0\\win32");
}

// On 64-bit Windows the x86 and the x64 control each keep their class and interfaces in a
// registry view of their own, while the ProgID and the type library's key serve both.
std::vector<std::wstring> ArchitectureKeys() {
    return {ClassKey(), L"Interface\\" + GuidText(IID__OrvantisAgent),
            L"Interface\\" + GuidText(DIID___OrvantisAgent), L"Interface\\" + GuidText(IID__AgentTodo)};
}

// Whether the control of the other architecture is registered under root too. On 32-bit
// Windows there is one view, which this asks again. The view applies to a path from the root.
bool OtherArchitectureRegistered(HKEY root) {
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    const std::wstring server = L"Software\\Classes\\" + ClassKey() + L"\\InprocServer32";
    windows::OwnedKey key;
    return RegOpenKeyExW(root, server.c_str(), 0, KEY_READ | otherView, key.Put()) == ERROR_SUCCESS;
}

void AddInterface(std::vector<RegistryValue>& values, const GUID& id, const wchar_t* name,
                  const wchar_t* marshaler) {
    const std::wstring key = L"Interface\\" + GuidText(id);
    values.push_back({key, L"", name});
    values.push_back({key + L"\\ProxyStubClsid32", L"", marshaler});
    values.push_back({key + L"\\TypeLib", L"", GuidText(LIBID_Orvantis)});
    values.push_back({key + L"\\TypeLib", L"Version", L"1.0"});
}

std::vector<RegistryValue> ControlValues(const std::wstring& modulePath) {
    const std::wstring classKey = ClassKey();
    const std::wstring libraryKey = LibraryKey() + L"\\1.0";
    const std::wstring folder = modulePath.substr(0, modulePath.find_last_of(L'\\') + 1);
    std::vector<RegistryValue> values = {
        {classKey, L"", L"OrvantisAgent"},
        {classKey + L"\\InprocServer32", L"", modulePath},
        {classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {classKey + L"\\ProgID", L"", kProgId},
        {classKey + L"\\VersionIndependentProgID", L"", kProgId},
        {classKey + L"\\Control", L"", L""},
        {classKey + L"\\Implemented Categories\\" + kControlCategory, L"", L""},
        {classKey + L"\\MiscStatus", L"", L"0"},
        {classKey + L"\\MiscStatus\\1", L"", L"131473"},
        {classKey + L"\\TypeLib", L"", GuidText(LIBID_Orvantis)},
        {classKey + L"\\Version", L"", L"1.0"},
        {kProgId, L"", L"OrvantisAgent"},
        {std::wstring(kProgId) + L"\\CLSID", L"", GuidText(CLSID_OrvantisAgent)},
        {libraryKey, L"", L"Orvantis"},
        {LibraryFileKey(), L"", modulePath},
        {libraryKey + L"\\FLAGS", L"", L"0"},
        {libraryKey + L"\\HELPDIR", L"", folder},
    };
    AddInterface(values, IID__OrvantisAgent, L"_OrvantisAgent", kTypeLibraryMarshaler);
    AddInterface(values, DIID___OrvantisAgent, L"__OrvantisAgent", kDispatchMarshaler);
    AddInterface(values, IID__AgentTodo, L"_AgentTodo", kTypeLibraryMarshaler);
    return values;
}

LSTATUS Write(HKEY classes, const RegistryValue& value) {
    windows::OwnedKey created;
    LSTATUS status = RegCreateKeyExW(classes, value.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, created.Put(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    return RegSetValueExW(created.Get(), value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.data.c_str()),
                          static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t)));
}

bool IsEmptyKey(HKEY classes, const wchar_t* path) {
    windows::OwnedKey opened;
    if (RegOpenKeyExW(classes, path, 0, KEY_READ, opened.Put()) != ERROR_SUCCESS) return false;
    DWORD subkeys = 0;
    DWORD values = 0;
    return RegQueryInfoKeyW(opened.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           subkeys == 0 && values == 0;
}

}  // namespace

std::wstring GuidText(const GUID& id) {
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    return text;
}

HRESULT WithClassesKey(HKEY root, const std::function<HRESULT(HKEY)>& action) {
    windows::OwnedKey classes;
    if (RegCreateKeyExW(root, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        classes.Put(), nullptr) != ERROR_SUCCESS) {
        return E_ACCESSDENIED;
    }
    return action(classes.Get());
}

HRESULT WriteClasses(HKEY classes, const std::vector<RegistryValue>& values) {
    for (const auto& value : values) {
        const LSTATUS status = Write(classes, value);
        if (status != ERROR_SUCCESS) return status == ERROR_ACCESS_DENIED ? E_ACCESSDENIED : SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT DeleteClasses(HKEY classes, const std::vector<std::wstring>& ownedKeys) {
    HRESULT result = S_OK;
    for (const auto& key : ownedKeys) {
        const LSTATUS status = RegDeleteTreeW(classes, key.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) result = SELFREG_E_CLASS;
    }
    // Registering for one user may have created these parents; they go once empty again.
    for (const wchar_t* parent : {L"CLSID", L"TypeLib", L"Interface"}) {
        if (IsEmptyKey(classes, parent)) RegDeleteKeyW(classes, parent);
    }
    return result;
}

HRESULT RegisterControl(HKEY root, const std::wstring& modulePath) {
    const HRESULT result =
        WithClassesKey(root, [&](HKEY classes) { return WriteClasses(classes, ControlValues(modulePath)); });
    if (FAILED(result)) UnregisterControl(root);
    return result;
}

HRESULT UnregisterControl(HKEY root) {
    return WithClassesKey(root, [root](HKEY classes) {
        // This architecture's keys go first: on 32-bit Windows the check below then finds none.
        const HRESULT own = DeleteClasses(classes, ArchitectureKeys());
        const HRESULT shared = OtherArchitectureRegistered(root)
                                   ? DeleteClasses(classes, {LibraryFileKey()})
                                   : DeleteClasses(classes, {kProgId, LibraryKey()});
        return FAILED(own) ? own : shared;
    });
}

}  // namespace orvantis::com

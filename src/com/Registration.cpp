#include "com/Registration.hpp"

#include <vector>

#include <olectl.h>

#include "platform/windows/ComHandles.hpp"

namespace orvantis::com {
namespace {

struct Value {
    std::wstring key;
    std::wstring name;  // empty: the key's default value
    std::wstring data;
};

std::wstring Text(const GUID& id) {
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    return text;
}

constexpr wchar_t kProgId[] = L"Orvantis.OrvantisAgent";
// The marshalers of the platform: for dual interfaces through their type library, and for
// pure dispatch interfaces.
constexpr wchar_t kTypeLibraryMarshaler[] = L"{00020424-0000-0000-C000-000000000046}";
constexpr wchar_t kDispatchMarshaler[] = L"{00020420-0000-0000-C000-000000000046}";
constexpr wchar_t kControlCategory[] = L"{40FC6ED4-2438-11CF-A3DB-080036F12502}";

// The keys RegisterControl owns: each is removed whole.
std::vector<std::wstring> OwnedKeys() {
    return {L"CLSID\\" + Text(CLSID_OrvantisAgent), kProgId, L"TypeLib\\" + Text(LIBID_Orvantis),
            L"Interface\\" + Text(IID__OrvantisAgent), L"Interface\\" + Text(DIID___OrvantisAgent),
            L"Interface\\" + Text(IID__AgentTodo)};
}

void AddInterface(std::vector<Value>& values, const GUID& id, const wchar_t* name,
                  const wchar_t* marshaler) {
    const std::wstring key = L"Interface\\" + Text(id);
    values.push_back({key, L"", name});
    values.push_back({key + L"\\ProxyStubClsid32", L"", marshaler});
    values.push_back({key + L"\\TypeLib", L"", Text(LIBID_Orvantis)});
    values.push_back({key + L"\\TypeLib", L"Version", L"1.0"});
}

std::vector<Value> ControlValues(const std::wstring& modulePath) {
    const std::wstring classKey = L"CLSID\\" + Text(CLSID_OrvantisAgent);
    const std::wstring libraryKey = L"TypeLib\\" + Text(LIBID_Orvantis) + L"\\1.0";
    const std::wstring folder = modulePath.substr(0, modulePath.find_last_of(L'\\') + 1);
    std::vector<Value> values = {
        {classKey, L"", L"OrvantisAgent"},
        {classKey + L"\\InprocServer32", L"", modulePath},
        {classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {classKey + L"\\ProgID", L"", kProgId},
        {classKey + L"\\VersionIndependentProgID", L"", kProgId},
        {classKey + L"\\Control", L"", L""},
        {classKey + L"\\Implemented Categories\\" + kControlCategory, L"", L""},
        {classKey + L"\\MiscStatus", L"", L"0"},
        {classKey + L"\\MiscStatus\\1", L"", L"131473"},
        {classKey + L"\\TypeLib", L"", Text(LIBID_Orvantis)},
        {classKey + L"\\Version", L"", L"1.0"},
        {kProgId, L"", L"OrvantisAgent"},
        {std::wstring(kProgId) + L"\\CLSID", L"", Text(CLSID_OrvantisAgent)},
        {libraryKey, L"", L"Orvantis"},
        {libraryKey + L"\\0\\win64", L"", modulePath},
        {libraryKey + L"\\FLAGS", L"", L"0"},
        {libraryKey + L"\\HELPDIR", L"", folder},
    };
    AddInterface(values, IID__OrvantisAgent, L"_OrvantisAgent", kTypeLibraryMarshaler);
    AddInterface(values, DIID___OrvantisAgent, L"__OrvantisAgent", kDispatchMarshaler);
    AddInterface(values, IID__AgentTodo, L"_AgentTodo", kTypeLibraryMarshaler);
    return values;
}

LSTATUS Write(HKEY classes, const Value& value) {
    HKEY created = nullptr;
    LSTATUS status = RegCreateKeyExW(classes, value.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, &created, nullptr);
    if (status != ERROR_SUCCESS) return status;
    const windows::OwnedKey owned(created);
    return RegSetValueExW(created, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.data.c_str()),
                          static_cast<DWORD>((value.data.size() + 1) * sizeof(wchar_t)));
}

bool IsEmptyKey(HKEY classes, const wchar_t* path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(classes, path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    const windows::OwnedKey owned(opened);
    DWORD subkeys = 0;
    DWORD values = 0;
    return RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           subkeys == 0 && values == 0;
}

}  // namespace

HRESULT RegisterControl(HKEY classes, const std::wstring& modulePath) {
    for (const auto& value : ControlValues(modulePath)) {
        const LSTATUS status = Write(classes, value);
        if (status != ERROR_SUCCESS) {
            UnregisterControl(classes);
            return status == ERROR_ACCESS_DENIED ? E_ACCESSDENIED : SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

HRESULT UnregisterControl(HKEY classes) {
    HRESULT result = S_OK;
    for (const auto& key : OwnedKeys()) {
        const LSTATUS status = RegDeleteTreeW(classes, key.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) result = SELFREG_E_CLASS;
    }
    // Registering for one user may have created these parents; they go once empty again.
    for (const wchar_t* parent : {L"CLSID", L"TypeLib", L"Interface"}) {
        if (IsEmptyKey(classes, parent)) RegDeleteKeyW(classes, parent);
    }
    return result;
}

}  // namespace orvantis::com

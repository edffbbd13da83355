#include "com/Module.hpp"

#include <vector>

#include "automation/AutomationError.hpp"

namespace orvantis::com {
namespace {

HMODULE module = nullptr;

}  // namespace

HMODULE ModuleHandle() { return module; }
void SetModuleHandle(HMODULE handle) { module = handle; }

std::wstring ModulePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

ComPtr<ITypeLib> LoadTypeLibrary() {
    ComPtr<ITypeLib> library;
    const HRESULT loaded = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &library);
    if (FAILED(loaded)) {
        throw AutomationError(static_cast<std::int32_t>(loaded), std::wstring(kComponentTitle),
                              L"The type library of Orvantis could not be loaded.");
    }
    return library;
}

ComPtr<ITypeInfo> TypeInfoOf(const GUID& id) {
    ComPtr<ITypeInfo> info;
    const HRESULT found = LoadTypeLibrary()->GetTypeInfoOfGuid(id, &info);
    if (FAILED(found)) {
        throw AutomationError(static_cast<std::int32_t>(found), std::wstring(kComponentTitle),
                              L"The type library of Orvantis is incomplete.");
    }
    return info;
}

std::atomic<long>& ServerLocks() {
    static std::atomic<long> locks{0};
    return locks;
}

}  // namespace orvantis::com

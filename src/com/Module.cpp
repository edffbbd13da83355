#include "com/Module.hpp"

#include <map>
#include <mutex>
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

namespace {

// The type library is read from the file once per module, and each type's description
// once: every control asks for them when it is made.
struct TypeLibraryCache {
    std::mutex mutex;
    ComPtr<ITypeLib> library;
    std::map<GUID, ComPtr<ITypeInfo>, windows::GuidLess> infos;
};

TypeLibraryCache& Cache() {
    static TypeLibraryCache cache;
    return cache;
}

ComPtr<ITypeLib> LoadedLibrary(TypeLibraryCache& cache) {
    if (!cache.library) {
        const HRESULT loaded = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &cache.library);
        if (FAILED(loaded)) {
            throw AutomationError(static_cast<std::int32_t>(loaded), std::wstring(kComponentTitle),
                                  L"The type library of Orvantis could not be loaded.");
        }
    }
    return cache.library;
}

}  // namespace

ComPtr<ITypeInfo> TypeInfoOf(const GUID& id) {
    TypeLibraryCache& cache = Cache();
    const std::lock_guard lock(cache.mutex);
    ComPtr<ITypeInfo>& info = cache.infos[id];
    if (!info) {
        const HRESULT found = LoadedLibrary(cache)->GetTypeInfoOfGuid(id, &info);
        if (FAILED(found)) {
            cache.infos.erase(id);
            throw AutomationError(static_cast<std::int32_t>(found), std::wstring(kComponentTitle),
                                  L"The type library of Orvantis is incomplete.");
        }
    }
    return info;
}

std::atomic<long>& ServerLocks() {
    static std::atomic<long> locks{0};
    return locks;
}

}  // namespace orvantis::com

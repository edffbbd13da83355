// The test-only stand-in server: an in-process COM server that serves core Objects under the
// products' ProgIDs through the record bridge, for the control under Wine. Never installed.

#include <filesystem>

#include "com/Module.hpp"
#include "com/Registration.hpp"
#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ObjectAsDispatch.hpp"
#include "standins/Sandbox.hpp"

using namespace orvantis;

namespace {

// Each ProgID has a class of its own, fixed for the tests' prefixes.
struct ServedClass {
    const wchar_t* progId;
    const wchar_t* classId;
};
constexpr ServedClass kClasses[] = {
    {L"Outlook.Application", L"{5AFB81F6-5CA7-4795-8C74-2C26056ECF01}"},
    {L"Lotus.NotesSession", L"{AB47C4E5-45D9-4DB6-831A-90DA138E6F9F}"},
    {L"ACTOLE.DATABASE", L"{4A36E2AA-DE62-4090-8EB5-52CDDA8707F6}"},
    {L"GMComAPI.Application", L"{1239031C-1510-47A1-86E9-1A183F8027DB}"},
};

// Class objects that script hosts keep until they end; they hold no world.
std::atomic<long> liveFactories{0};

// The products' worlds, read from the folder that ORVANTIS_SANDBOX_DIR names when the first
// object is created (an in-process host sets it after loading the server), in memory without one.
standins::Sandbox& Products() {
    static const auto sandbox = [] {
        wchar_t folder[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(L"ORVANTIS_SANDBOX_DIR", folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return std::make_unique<standins::Sandbox>();
        return std::make_unique<standins::Sandbox>(std::filesystem::path(std::wstring(folder, length)));
    }();
    return *sandbox;
}

ObjectCatalog& Catalog() {
    static ObjectCatalog catalog = [] {
        ObjectCatalog filled;
        Products().Register(filled);
        return filled;
    }();
    return catalog;
}

// Makes the Object of one ProgID, served through the bridge; a ProgID that the catalog does
// not serve fails as a missing product does.
class ServerFactory final : public windows::ComObject<ServerFactory, IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        windows::ComPtr<IDispatch> made;
        const HRESULT created = windows::GuardComCall(
            [&] { made = windows::ObjectAsDispatch::Wrap(Catalog().CreateObject(progId_)); });
        return FAILED(created) ? created : made->QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        lock ? ++com::ServerLocks() : --com::ServerLocks();
        return S_OK;
    }

private:
    friend class windows::ComObject<ServerFactory, IClassFactory>;
    explicit ServerFactory(const wchar_t* progId) : progId_(progId) { ++liveFactories; }
    ~ServerFactory() { --liveFactories; }

    const wchar_t* progId_;
};

std::vector<std::wstring> OwnedKeys() {
    std::vector<std::wstring> keys;
    for (const auto& served : kClasses) {
        keys.push_back(std::wstring(L"CLSID\\") + served.classId);
        keys.push_back(served.progId);
    }
    return keys;
}

std::vector<com::RegistryValue> ServerValues(const std::wstring& modulePath) {
    std::vector<com::RegistryValue> values;
    for (const auto& served : kClasses) {
        const std::wstring classKey = std::wstring(L"CLSID\\") + served.classId;
        values.push_back({classKey, L"", served.progId});
        values.push_back({classKey + L"\\InprocServer32", L"", modulePath});
        values.push_back({classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"});
        values.push_back({classKey + L"\\ProgID", L"", served.progId});
        values.push_back({served.progId, L"", served.progId});
        values.push_back({std::wstring(served.progId) + L"\\CLSID", L"", served.classId});
    }
    return values;
}

// The worlds are written whenever the clients have let go of every object but the class
// objects; a failure to write shows in the tests that read them.
void SaveWhenDone(long left) {
    if (left != liveFactories) return;
    try {
        Products().Save();
    } catch (...) {
    }
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        com::SetModuleHandle(instance);
        windows::WhenObjectGoes(SaveWhenDone);
    }
    return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const auto& served : kClasses) {
        CLSID id{};
        if (FAILED(CLSIDFromString(served.classId, &id)) || id != classId) continue;
        try {
            return ServerFactory::Make(served.progId)->QueryInterface(iid, object);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return windows::LiveObjectCount() == 0 && com::ServerLocks() == 0 ? S_OK : S_FALSE;
}

// For the machine: Wine does not merge the user's classes into HKEY_CLASSES_ROOT.
HRESULT STDAPICALLTYPE DllRegisterServer() {
    return com::WithClassesKey(HKEY_LOCAL_MACHINE, [](HKEY classes) {
        const HRESULT result = com::WriteClasses(classes, ServerValues(com::ModulePath()));
        if (FAILED(result)) com::DeleteClasses(classes, OwnedKeys());
        return result;
    });
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return com::WithClassesKey(HKEY_LOCAL_MACHINE,
                               [](HKEY classes) { return com::DeleteClasses(classes, OwnedKeys()); });
}

// How many names clients have asked the server's objects for: what late binding costs.
long NameLookups() { return windows::ObjectAsDispatch::NameLookups(); }

}  // extern "C"

#include "com/ClassFactory.hpp"

#include "com/AgentControl.hpp"
#include "com/Module.hpp"
#include "platform/windows/ComErrors.hpp"

namespace orvantis::com {

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ComPtr<_OrvantisAgent> control;
    const HRESULT created = windows::GuardComCall([&] { control = AgentControl::Create(); });
    if (FAILED(created)) return created;
    return control->QueryInterface(iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ++ServerLocks();
    } else {
        --ServerLocks();
    }
    return S_OK;
}

}  // namespace orvantis::com

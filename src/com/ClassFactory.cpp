#include "com/ClassFactory.hpp"

#include "com/AgentControl.hpp"
#include "com/Module.hpp"
#include "platform/windows/ComErrors.hpp"

namespace orvantis::com {

ComPtr<IClassFactory> ClassFactory::Create() {
    return windows::Adopt<IClassFactory>(new ClassFactory());
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() { return ++references_; }

ULONG ClassFactory::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

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

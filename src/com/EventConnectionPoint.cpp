#include "com/EventConnectionPoint.hpp"

namespace orvantis::com {

ComPtr<IConnectionPoint> EventConnectionPoint::Create(AgentControl& control) {
    return windows::Adopt<IConnectionPoint>(new EventConnectionPoint(control));
}

HRESULT EventConnectionPoint::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG EventConnectionPoint::AddRef() { return ++references_; }

ULONG EventConnectionPoint::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT EventConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = DIID___OrvantisAgent;
    return S_OK;
}

HRESULT EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = control_.Get();
    (*container)->AddRef();
    return S_OK;
}

HRESULT EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    return static_cast<AgentControl*>(control_.Get())->Connect(sink, cookie);
}

HRESULT EventConnectionPoint::Unadvise(DWORD cookie) {
    return static_cast<AgentControl*>(control_.Get())->Disconnect(cookie);
}

HRESULT EventConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (connections) *connections = nullptr;
    return E_NOTIMPL;
}

}  // namespace orvantis::com

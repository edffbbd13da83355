#include "com/EventConnectionPoint.hpp"

namespace orvantis::com {

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

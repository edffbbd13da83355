#pragma once

#include "com/AgentControl.hpp"
#include "platform/windows/ComObject.hpp"

namespace orvantis::com {

// The connection point of the control's empty event interface. It keeps its control alive
// and keeps the control's sink table, so it can be made afresh for each request.
class EventConnectionPoint final
    : public windows::ComObject<EventConnectionPoint, IConnectionPoint> {
public:
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    friend class windows::ComObject<EventConnectionPoint, IConnectionPoint>;
    explicit EventConnectionPoint(AgentControl& control) : control_(&control) {}
    ~EventConnectionPoint() = default;

    ComPtr<IConnectionPointContainer> control_;
};

}  // namespace orvantis::com

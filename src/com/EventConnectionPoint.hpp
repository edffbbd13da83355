#pragma once

#include "com/AgentControl.hpp"

namespace orvantis::com {

using windows::ComPtr;

// The connection point of the control's empty event interface. It keeps its control alive
// and keeps the control's sink table, so it can be made afresh for each request.
class EventConnectionPoint final : public IConnectionPoint, private windows::CountedObject {
public:
    static ComPtr<IConnectionPoint> Create(AgentControl& control);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

private:
    explicit EventConnectionPoint(AgentControl& control) : control_(&control) {}
    ~EventConnectionPoint() = default;

    std::atomic<ULONG> references_{1};
    ComPtr<IConnectionPointContainer> control_;
};

}  // namespace orvantis::com

#pragma once

#include "com/AgentControl.hpp"
#include "platform/windows/ComObject.hpp"

namespace orvantis::com {

// Lists the control's one connection point (that of its event interface).
class ConnectionPointEnumerator final
    : public windows::ComObject<ConnectionPointEnumerator, IEnumConnectionPoints> {
public:
    HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** copy) override;

private:
    friend class windows::ComObject<ConnectionPointEnumerator, IEnumConnectionPoints>;
    ConnectionPointEnumerator(AgentControl& control, ULONG position)
        : control_(&control), position_(position) {}
    ~ConnectionPointEnumerator() = default;

    AgentControl& Control() const { return *static_cast<AgentControl*>(control_.Get()); }

    static constexpr ULONG kPoints = 1;
    ComPtr<IConnectionPointContainer> control_;  // keeps the control alive
    ULONG position_;
};

}  // namespace orvantis::com

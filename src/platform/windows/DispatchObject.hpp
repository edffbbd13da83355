#pragma once

#include "automation/Object.hpp"
#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {

// A foreign automation object (a product, a plug-in) as a core Object: late-bound calls by
// name through its IDispatch, arguments by reference written back, its errors raised as
// AutomationErrors with the number and text the object gave.
class DispatchObject : public Object {
public:
    explicit DispatchObject(ComPtr<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override;
    IDispatch* Dispatch() const { return dispatch_.Get(); }

private:
    ComPtr<IDispatch> dispatch_;
};

}  // namespace orvantis::windows

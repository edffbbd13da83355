#pragma once

#include <map>
#include <memory>
#include <string>

#include "automation/Object.hpp"
#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {

// A foreign automation object (a product, a plug-in) as a core Object: late-bound calls by
// name through its IDispatch, arguments by reference written back, its errors raised as
// AutomationErrors with the number and text the object gave, _NewEnum as an Enumerator.
//
// A product out of process makes every call a round trip, so the dispatch identifiers of
// names are kept per type (the object's type description), shared by every object of that
// type in the process; an object that describes no type keeps its own.
class DispatchAsObject : public Object {
public:
    explicit DispatchAsObject(ComPtr<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

    Variant Invoke(const Member& member, CallKind kind, std::span<Argument> arguments) override;
    IDispatch* Dispatch() const { return dispatch_.Get(); }

    using Identifiers = std::map<std::wstring, DISPID>;

private:
    DISPID IdOf(const Member& member);

    ComPtr<IDispatch> dispatch_;
    std::shared_ptr<Identifiers> identifiers_;  // of its type, or its own; found at first need
};

}  // namespace orvantis::windows

#pragma once

#include <string>
#include <vector>

#include "automation/Object.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/LiveObjects.hpp"

namespace orvantis::windows {

// A core Object (an item record handed to a plug-in) as an IDispatch: members by name, with
// dispatch identifiers given out as names are asked for, since an Object has no member
// list. When it comes back through a VARIANT, Unwrap gives the very same Object.
class ObjectDispatch final : public IDispatch, private CountedObject {
public:
    static ComPtr<IDispatch> Wrap(ObjectRef object);
    // The Object behind a bridge made here, or null for any other COM object.
    static ObjectRef Unwrap(IUnknown* unknown);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override;

private:
    explicit ObjectDispatch(ObjectRef object) : object_(std::move(object)) {}
    ~ObjectDispatch() = default;

    std::atomic<ULONG> references_{1};
    ObjectRef object_;
    std::vector<std::wstring> names_;  // the member of dispatch identifier n is names_[n - 1]
};

}  // namespace orvantis::windows

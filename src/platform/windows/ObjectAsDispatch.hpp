#pragma once

#include "automation/Object.hpp"
#include "platform/windows/ComObject.hpp"

namespace orvantis::windows {

// A core Object (an item record handed to a plug-in, a stand-in served to the control) as an
// IDispatch. An Object has no member list, so names get dispatch identifiers as they are
// asked for, the same ones in every bridge of this module (so a client may cache them per
// type); any other identifier, 0 (the default member) and _NewEnum included, goes to the
// Object as it is, and the Object decides. When a bridge comes back through a VARIANT into
// the module that made it, Unwrap gives the very same Object.
class ObjectAsDispatch final : public ComObject<ObjectAsDispatch, IDispatch> {
public:
    static ComPtr<IDispatch> Wrap(ObjectRef object) { return Make(std::move(object)); }
    // The Object behind a bridge made by this module, or null for any other COM object,
    // bridges of other modules (with their own heaps) included.
    static ObjectRef Unwrap(IUnknown* unknown);
    // The names that clients have asked this module's bridges for, counted.
    static long NameLookups();

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override;

private:
    friend class ComObject<ObjectAsDispatch, IDispatch>;
    explicit ObjectAsDispatch(ObjectRef object) : object_(std::move(object)) {}
    ~ObjectAsDispatch() = default;
    static bool Answers(REFIID iid);

    ObjectRef object_;
};

}  // namespace orvantis::windows

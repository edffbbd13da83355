#include "platform/windows/ObjectDispatch.hpp"

#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComVariant.hpp"

namespace orvantis::windows {
namespace {

// Asked for only by Unwrap, in this process: it answers with the bridge itself.
constexpr IID kBridgeIid = {0x5b0c7e61, 0x2f4a, 0x4d3e, {0x9a, 0x51, 0x6c, 0x0e, 0x3b, 0x7d, 0x21, 0x94}};

CallKind KindOf(WORD flags) {
    if (flags & DISPATCH_PROPERTYPUTREF) return CallKind::PropertyPutRef;
    if (flags & DISPATCH_PROPERTYPUT) return CallKind::PropertyPut;
    if (flags & DISPATCH_METHOD) return CallKind::Method;
    return CallKind::PropertyGet;
}

bool SameName(const std::wstring& a, const wchar_t* b) {
    return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

ComPtr<IDispatch> ObjectDispatch::Wrap(ObjectRef object) {
    return Adopt<IDispatch>(new ObjectDispatch(std::move(object)));
}

ObjectRef ObjectDispatch::Unwrap(IUnknown* unknown) {
    void* found = nullptr;
    if (!unknown || FAILED(unknown->QueryInterface(kBridgeIid, &found))) return nullptr;
    auto* bridge = static_cast<ObjectDispatch*>(found);
    ObjectRef object = bridge->object_;
    bridge->Release();
    return object;
}

HRESULT ObjectDispatch::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kBridgeIid) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ObjectDispatch::AddRef() { return ++references_; }

ULONG ObjectDispatch::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT ObjectDispatch::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ObjectDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT ObjectDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) return E_POINTER;
    std::size_t index = 0;
    while (index < names_.size() && !SameName(names_[index], names[0])) ++index;
    if (index == names_.size()) names_.emplace_back(names[0]);
    ids[0] = static_cast<DISPID>(index + 1);
    // Named arguments are not part of the records' call shape.
    for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT ObjectDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* exception, UINT*) {
    if (id < 1 || static_cast<std::size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
    if (!parameters) return E_POINTER;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    if (parameters->cNamedArgs > (put ? 1u : 0u)) return DISP_E_NONAMEDARGS;

    std::optional<AutomationError> raised;
    const HRESULT outcome = GuardComCall(
        [&] {
            const UINT count = parameters->cArgs;
            std::vector<Argument> arguments(count);
            for (UINT i = 0; i < count; ++i) {
                const VARIANT& passed = parameters->rgvarg[count - 1 - i];
                arguments[i].value = FromVariant(passed);
                arguments[i].byReference = passed.vt == (VT_VARIANT | VT_BYREF);
            }
            const Variant value =
                object_->Invoke(Member(names_[static_cast<std::size_t>(id) - 1]), KindOf(flags),
                                arguments);
            for (UINT i = 0; i < count; ++i) {
                if (!arguments[i].byReference) continue;
                VARIANT* target = parameters->rgvarg[count - 1 - i].pvarVal;
                VARIANT written;
                ToVariant(arguments[i].value, written);
                VariantClear(target);
                *target = written;
            }
            if (result) ToVariant(value, *result);
        },
        &raised);
    if (SUCCEEDED(outcome)) return outcome;
    if (exception) FillExcepInfo(*raised, *exception);
    return DISP_E_EXCEPTION;
}

}  // namespace orvantis::windows

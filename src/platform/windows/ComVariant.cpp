#include "platform/windows/ComVariant.hpp"

#include "automation/AutomationError.hpp"
#include "platform/windows/ComEnumerators.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/DispatchAsObject.hpp"
#include "platform/windows/ObjectAsDispatch.hpp"

namespace orvantis::windows {
namespace {

Variant FromInterface(IUnknown* unknown) {
    if (!unknown) return Variant(ObjectRef());
    if (ObjectRef core = ObjectAsDispatch::Unwrap(unknown)) return Variant(std::move(core));
    ComPtr<IDispatch> dispatch;
    if (SUCCEEDED(unknown->QueryInterface(IID_PPV_ARGS(&dispatch)))) {
        return Variant(ObjectRef(std::make_shared<DispatchAsObject>(std::move(dispatch))));
    }
    // What a collection's _NewEnum gives.
    ComPtr<IEnumVARIANT> elements;
    if (SUCCEEDED(unknown->QueryInterface(IID_PPV_ARGS(&elements)))) {
        return Variant(ObjectRef(EnumeratorOf(std::move(elements))));
    }
    throw AutomationError::Standard(errors::kObjectRequired);
}

}  // namespace

Variant FromVariant(const VARIANT& value) {
    if (value.vt == (VT_VARIANT | VT_BYREF)) {
        if (!value.pvarVal) return {};
        return FromVariant(*value.pvarVal);
    }
    if (value.vt & VT_BYREF) {
        // A typed reference: read the value it points at as a VARIANT of that type.
        OwnedVariant copy;
        if (FAILED(VariantCopyInd(copy.Put(), const_cast<VARIANT*>(&value)))) {
            throw AutomationError::Standard(errors::kTypeMismatch);
        }
        return FromVariant(*copy);
    }
    switch (value.vt) {
        case VT_EMPTY: return {};
        case VT_NULL: return Variant::Null();
        case VT_BSTR:
            return Variant(std::wstring(value.bstrVal ? value.bstrVal : L"",
                                        value.bstrVal ? SysStringLen(value.bstrVal) : 0));
        case VT_I2: return Variant(static_cast<std::int16_t>(value.iVal));
        case VT_I4: return Variant(static_cast<std::int32_t>(value.lVal));
        case VT_R8: return Variant(value.dblVal);
        case VT_BOOL: return Variant(value.boolVal != VARIANT_FALSE);
        case VT_DATE: return Variant(DateValue{value.date});
        case VT_DISPATCH: return FromInterface(value.pdispVal);
        case VT_UNKNOWN: return FromInterface(value.punkVal);
        case VT_ERROR:
            if (value.scode == DISP_E_PARAMNOTFOUND) return Variant::Missing();
            throw AutomationError::Standard(errors::kTypeMismatch);
        default: break;
    }
    OwnedVariant number;
    if (FAILED(VariantChangeType(number.Put(), const_cast<VARIANT*>(&value), 0, VT_R8))) {
        throw AutomationError::Standard(errors::kTypeMismatch);
    }
    return Variant((*number).dblVal);
}

void ToVariant(const Variant& value, VARIANT& out) {
    VariantInit(&out);
    switch (value.GetKind()) {
        case Variant::Kind::Empty: return;
        case Variant::Kind::Null: out.vt = VT_NULL; return;
        case Variant::Kind::Missing:
            out.vt = VT_ERROR;
            out.scode = DISP_E_PARAMNOTFOUND;
            return;
        case Variant::Kind::Text:
            out.bstrVal = Bstr(*value.TextIf()).Detach();
            out.vt = VT_BSTR;
            return;
        case Variant::Kind::Integer: out.vt = VT_I2; out.iVal = value.ToInteger(); return;
        case Variant::Kind::Long: out.vt = VT_I4; out.lVal = value.ToLong(); return;
        case Variant::Kind::Double: out.vt = VT_R8; out.dblVal = value.ToDouble(); return;
        case Variant::Kind::Boolean:
            out.vt = VT_BOOL;
            out.boolVal = value.ToBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
            return;
        case Variant::Kind::Date: out.vt = VT_DATE; out.date = value.ToDate().days; return;
        case Variant::Kind::Object: {
            out.vt = VT_DISPATCH;
            out.pdispVal = nullptr;
            const ObjectRef object = value.ToObject();
            if (!object) return;
            if (const auto* foreign = dynamic_cast<const DispatchAsObject*>(object.get())) {
                out.pdispVal = foreign->Dispatch();
                out.pdispVal->AddRef();
            } else if (auto elements = std::dynamic_pointer_cast<Enumerator>(object)) {
                out.vt = VT_UNKNOWN;
                out.punkVal = EnumVariantOf(std::move(elements)).Detach();
            } else {
                out.pdispVal = ObjectAsDispatch::Wrap(object).Detach();
            }
            return;
        }
    }
}

}  // namespace orvantis::windows

#include "com/AgentControl.hpp"

#include <cwctype>

#include "com/ConnectionPointEnumerator.hpp"
#include "com/EventConnectionPoint.hpp"
#include "com/Module.hpp"
#include "com/PageAddress.hpp"
#include "control/SafetyModule.hpp"
#include "platform/windows/ComErrors.hpp"
#include "platform/windows/ComVariant.hpp"

namespace orvantis::com {
namespace {

// The identifier's text form as the safety answers compare it: braces, upper case.
std::wstring InterfaceText(REFIID iid) {
    wchar_t text[40] = {};
    StringFromGUID2(iid, text, 40);
    std::wstring upper(text);
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

// A caller may pass no identifier at all, which arrives as a null "reference"; the compiler
// must not assume it away.
const IID* IdentifierPointer(REFIID iid) {
    const IID* pointer = &iid;
    asm("" : "+r"(pointer));
    return pointer;
}

// The safety answer for the identifier (absent when null), in its text form.
template <class Answer>
HRESULT AnswerSafety(REFIID iid, Answer&& answer) {
    const IID* pointer = IdentifierPointer(iid);
    if (!pointer) return static_cast<HRESULT>(answer(nullptr));
    const std::wstring text = InterfaceText(*pointer);
    const std::wstring_view view(text);
    return static_cast<HRESULT>(answer(&view));
}

}  // namespace

ComPtr<_OrvantisAgent> AgentControl::Create() {
    return windows::Adopt<_OrvantisAgent>(new AgentControl());
}

AgentControl::AgentControl()
    : native_(CreateNativeHost(ui_)),
      agent_(native_->Get()),
      agentInfo_(TypeInfoOf(IID__OrvantisAgent)) {
    SafetyModule::StartThread();
}

template <class Body>
HRESULT AgentControl::Guard(Body&& body) {
    lastError_.reset();
    return windows::GuardComCall(std::forward<Body>(body), &lastError_);
}

HRESULT AgentControl::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__OrvantisAgent) {
        *object = static_cast<_OrvantisAgent*>(this);
    } else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) {
        *object = static_cast<IProvideClassInfo2*>(this);
    } else if (iid == IID_IConnectionPointContainer) {
        *object = static_cast<IConnectionPointContainer*>(this);
    } else if (iid == IID_IObjectSafety) {
        *object = static_cast<IObjectSafety*>(this);
    } else if (iid == IID_IObjectWithSite && madeSafeForScripting_) {
        *object = static_cast<IObjectWithSite*>(this);
    } else if (iid == IID_ISupportErrorInfo) {
        *object = static_cast<ISupportErrorInfo*>(this);
    } else if (void* part = Embedding::Find(iid)) {
        *object = part;
    } else if (void* persistence = EmptyPersistence::Find(iid)) {
        *object = persistence;
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG AgentControl::AddRef() { return ++references_; }

ULONG AgentControl::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT AgentControl::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT AgentControl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = agentInfo_.Get();
    (*info)->AddRef();
    return S_OK;
}

HRESULT AgentControl::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    return agentInfo_->GetIDsOfNames(names, count, ids);
}

HRESULT AgentControl::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                             VARIANT* result, EXCEPINFO* exception, UINT* badArgument) {
    // Keep the control alive even if a host releases it from a nested call.
    const ComPtr<_OrvantisAgent> self(this);
    HRESULT invoked = agentInfo_->Invoke(static_cast<_OrvantisAgent*>(this), id, flags,
                                         parameters, result, exception, badArgument);
    // The type library's dispatcher reports a failed method in its own way; the error that
    // the method raised is given to the caller in full, the same on every platform.
    if (lastError_ && FAILED(invoked)) {
        if (exception) {
            windows::FreeExcepInfo(*exception);
            windows::FillExcepInfo(*lastError_, *exception);
        }
        invoked = DISP_E_EXCEPTION;
    }
    lastError_.reset();
    return invoked;
}

HRESULT AgentControl::put_XML(BSTR value) {
    return Guard([&] { agent_.PutXML(value ? value : L""); });
}

HRESULT AgentControl::get_XML(BSTR* value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    return Guard([&] { *value = windows::Bstr(agent_.GetXML()).Detach(); });
}

HRESULT AgentControl::isOk(VARIANT_BOOL* loaded) {
    if (!loaded) return E_POINTER;
    *loaded = agent_.isOk() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT AgentControl::LoadXML(VARIANT* var, VARIANT* result) {
    if (result) VariantInit(result);
    const ComPtr<_OrvantisAgent> self(this);
    return Guard([&] {
        Variant document = var ? windows::FromVariant(*var) : Variant();
        // Asked at every load: a container may site the control anew between loads.
        PageAddress page = PageAddressOf(ClientSite());
        if (!page) page = PageAddressOf(objectSite_.Get());
        agent_.LoadXML(document, page);  // the result is always empty, and var is not written back
    });
}

HRESULT AgentControl::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    return windows::GuardComCall([&] { *info = TypeInfoOf(CLSID_OrvantisAgent).Detach(); });
}

HRESULT AgentControl::GetGUID(DWORD kind, GUID* id) {
    if (!id) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *id = GUID_NULL;
        return E_INVALIDARG;
    }
    *id = DIID___OrvantisAgent;
    return S_OK;
}

HRESULT AgentControl::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (!points) return E_POINTER;
    *points = ConnectionPointEnumerator::Make(*this, 0).Detach();
    return S_OK;
}

HRESULT AgentControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != DIID___OrvantisAgent) return CONNECT_E_NOCONNECTION;
    *point = EventConnectionPoint::Make(*this).Detach();
    return S_OK;
}

HRESULT AgentControl::Connect(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    *cookie = 0;
    ComPtr<IUnknown> events;
    if (FAILED(sink->QueryInterface(DIID___OrvantisAgent, reinterpret_cast<void**>(events.GetAddressOf())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = nextCookie_++;
    sinks_[*cookie] = std::move(events);
    return S_OK;
}

HRESULT AgentControl::Disconnect(DWORD cookie) {
    return sinks_.erase(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT AgentControl::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) {
    if (!supported || !enabled) return E_POINTER;
    std::uint32_t supportedOptions = 0;
    std::uint32_t enabledOptions = *enabled;
    const HRESULT answer = AnswerSafety(iid, [&](const std::wstring_view* id) {
        return SafetyModule::GetInterfaceSafetyOptions(id, supportedOptions, enabledOptions);
    });
    *supported = supportedOptions;
    *enabled = enabledOptions;
    return answer;
}

HRESULT AgentControl::SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD options) {
    const HRESULT answer = AnswerSafety(iid, [&](const std::wstring_view* id) {
        return SafetyModule::SetInterfaceSafetyOptions(id, mask, options);
    });
    if (SUCCEEDED(answer) && (mask & options & INTERFACESAFE_FOR_UNTRUSTED_CALLER)) {
        madeSafeForScripting_ = true;
    }
    return answer;
}

HRESULT AgentControl::SetSite(IUnknown* site) {
    objectSite_ = site;
    return S_OK;
}

HRESULT AgentControl::GetSite(REFIID iid, void** site) {
    if (!site) return E_POINTER;
    *site = nullptr;
    return objectSite_ ? objectSite_->QueryInterface(iid, site) : E_FAIL;
}

HRESULT AgentControl::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == IID__OrvantisAgent ? S_OK : S_FALSE;
}

}  // namespace orvantis::com

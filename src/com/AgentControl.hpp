#pragma once

#include <map>
#include <memory>
#include <optional>

#include "com/Embedding.hpp"
#include "com/EmptyPersistence.hpp"
#include "com/OrvantisTypes.hpp"
#include "automation/AutomationError.hpp"
#include "control/OrvantisAgent.hpp"
#include "platform/NativeHost.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/LiveObjects.hpp"
#include "platform/windows/Win32UserInterface.hpp"

namespace orvantis::com {

using windows::ComPtr;

// The COM face of OrvantisAgent: its dual interface served through the type library, the
// class information, the (empty) event source, the scripting-safety answers, and what a
// container needs to embed it (Embedding, EmptyPersistence). A load asks the sites for the
// page's address, for the site lock. Every AutomationError reaches
// a script as DISP_E_EXCEPTION with its number, source and text.
class AgentControl final : public _OrvantisAgent,
                           public IProvideClassInfo2,
                           public IConnectionPointContainer,
                           public IObjectSafety,
                           public IObjectWithSite,
                           public ISupportErrorInfo,
                           public Embedding,
                           public EmptyPersistence,
                           private windows::CountedObject {
public:
    static ComPtr<_OrvantisAgent> Create();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override;

    // _OrvantisAgent
    HRESULT STDMETHODCALLTYPE put_XML(BSTR value) override;
    HRESULT STDMETHODCALLTYPE get_XML(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE isOk(VARIANT_BOOL* loaded) override;
    HRESULT STDMETHODCALLTYPE LoadXML(VARIANT* var, VARIANT* result) override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* id) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IObjectSafety
    HRESULT STDMETHODCALLTYPE GetInterfaceSafetyOptions(REFIID iid, DWORD* supported,
                                                        DWORD* enabled) override;
    HRESULT STDMETHODCALLTYPE SetInterfaceSafetyOptions(REFIID iid, DWORD mask,
                                                        DWORD options) override;

    // IObjectWithSite: how a browser sites an object that a page's script creates. It is
    // offered only once a caller has made the control safe for untrusted callers, as a
    // browser's script engine does (through its security manager) before it sites an object.
    // A script host that runs local code does neither: it needs no site, and Wine's VBScript
    // cannot create an object with this interface at all when its host offers no services.
    HRESULT STDMETHODCALLTYPE SetSite(IUnknown* site) override;
    HRESULT STDMETHODCALLTYPE GetSite(REFIID iid, void** site) override;

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

    // The event sinks that hosts connect; the control raises no events, but keeps the
    // connections it has granted until they are undone.
    HRESULT Connect(IUnknown* sink, DWORD* cookie);
    HRESULT Disconnect(DWORD cookie);

private:
    AgentControl();
    ~AgentControl() = default;

    // Runs the body of an interface method; an error is kept for Invoke's EXCEPINFO.
    template <class Body>
    HRESULT Guard(Body&& body);

    std::atomic<ULONG> references_{1};
    windows::Win32UserInterface ui_;
    std::unique_ptr<NativeHost> native_;
    OrvantisAgent agent_;
    ComPtr<ITypeInfo> agentInfo_;
    std::optional<AutomationError> lastError_;
    ComPtr<IUnknown> objectSite_;
    bool madeSafeForScripting_ = false;
    std::map<DWORD, ComPtr<IUnknown>> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace orvantis::com

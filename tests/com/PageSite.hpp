#pragma once

// A test container's site for the control on a page: it tells the page's address through a
// URL moniker of the container, or as a browser's LocationURL through IServiceProvider, the
// site answering as the browser itself.

#include <string>

#include "platform/windows/ComHandles.hpp"
#include "platform/windows/Win32.hpp"

#include <servprov.h>
#include <urlmon.h>

namespace orvantis::test {

// Lives on the test's stack, longer than the control that holds it: no reference counting.
class PageSite : public IOleClientSite, public IServiceProvider, public IDispatch {
public:
    enum class Tells { ByMoniker, ByBrowser };
    PageSite(std::wstring address, Tells tells) : address_(std::move(address)), tells_(tells) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) *object = static_cast<IOleClientSite*>(this);
        if (iid == IID_IServiceProvider) *object = static_cast<IServiceProvider*>(this);
        if (iid == IID_IDispatch) *object = static_cast<IDispatch*>(this);
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD which, IMoniker** moniker) override {
        *moniker = nullptr;
        if (tells_ != Tells::ByMoniker || which != OLEWHICHMK_CONTAINER) return E_FAIL;
        return CreateURLMoniker(nullptr, address_.c_str(), moniker);
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // The browser answers as the service IWebBrowserApp.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
        static constexpr GUID kWebBrowserApp = {0x0002DF05, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
        *object = nullptr;
        if (tells_ != Tells::ByBrowser || service != kWebBrowserApp || iid != IID_IDispatch) return E_NOINTERFACE;
        *object = static_cast<IDispatch*>(this);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        if (std::wstring(names[0]) != L"LocationURL") return DISP_E_UNKNOWNNAME;
        *ids = 211;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        if (id != 211 || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(address_.c_str());
        return S_OK;
    }

private:
    std::wstring address_;
    Tells tells_;
};

}  // namespace orvantis::test

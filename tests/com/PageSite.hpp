#pragma once

// A test container's site for the control on a page: it tells the page's address through a
// URL moniker of the container, or as a browser's LocationURL through IServiceProvider.

#include <string>

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/ObjectAsDispatch.hpp"

#include <servprov.h>
#include <urlmon.h>

namespace orvantis::test {

// Lives on the test's stack, longer than the control that holds it: no reference counting.
class PageSite : public IOleClientSite, public IServiceProvider {
public:
    enum class Tells { ByMoniker, ByBrowser };
    PageSite(std::wstring address, Tells tells) : address_(std::move(address)), tells_(tells) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) *object = static_cast<IOleClientSite*>(this);
        if (iid == IID_IServiceProvider) *object = static_cast<IServiceProvider*>(this);
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
        *object = windows::ObjectAsDispatch::Wrap(std::make_shared<Browser>(address_)).Detach();
        return S_OK;
    }

private:
    struct Browser final : Object {
        explicit Browser(std::wstring url) : address(std::move(url)) {}
        Variant Invoke(const Member& member, CallKind kind, std::span<Argument>) override {
            if (member.name != L"LocationURL" || kind != CallKind::PropertyGet) {
                throw AutomationError::Standard(errors::kMemberNotSupported);
            }
            return address;
        }
        std::wstring address;
    };

    std::wstring address_;
    Tells tells_;
};

}  // namespace orvantis::test

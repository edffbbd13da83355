#include "com/PageAddress.hpp"

#include <servprov.h>

#include "platform/windows/ComHandles.hpp"

namespace orvantis::com {
namespace {

using windows::ComPtr;

// The service of the browser that shows the page: its IWebBrowserApp identifier.
constexpr GUID kWebBrowserApp = {0x0002DF05, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Only a URL moniker names a page; a file moniker is a document the user opened (Office).
PageAddress FromContainerMoniker(IUnknown* site) {
    ComPtr<IOleClientSite> client;
    if (FAILED(site->QueryInterface(IID_IOleClientSite, reinterpret_cast<void**>(client.GetAddressOf())))) {
        return std::nullopt;
    }
    ComPtr<IMoniker> moniker;
    if (FAILED(client->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_CONTAINER, moniker.GetAddressOf())) ||
        !moniker) {
        return std::nullopt;
    }
    DWORD kind = MKSYS_NONE;
    if (moniker->IsSystemMoniker(&kind) != S_OK || kind != MKSYS_URLMONIKER) return std::nullopt;
    ComPtr<IBindCtx> context;
    LPOLESTR name = nullptr;
    if (FAILED(CreateBindCtx(0, context.GetAddressOf())) ||
        FAILED(moniker->GetDisplayName(context.Get(), nullptr, &name)) || !name) {
        return std::wstring();
    }
    std::wstring address(name);
    CoTaskMemFree(name);
    return address;
}

std::wstring TextProperty(IDispatch& object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);
    if (FAILED(object.GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) return {};
    windows::OwnedVariant value;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    if (FAILED(object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.Put(),
                             nullptr, nullptr)) ||
        (*value).vt != VT_BSTR || !(*value).bstrVal) {
        return {};
    }
    return (*value).bstrVal;
}

PageAddress FromBrowser(IUnknown* site) {
    ComPtr<IServiceProvider> services;
    if (FAILED(site->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(services.GetAddressOf())))) {
        return std::nullopt;
    }
    ComPtr<IDispatch> browser;
    if (FAILED(services->QueryService(kWebBrowserApp, IID_IDispatch,
                                      reinterpret_cast<void**>(browser.GetAddressOf()))) ||
        !browser) {
        return std::nullopt;
    }
    return TextProperty(*browser.Get(), L"LocationURL");
}

}  // namespace

PageAddress PageAddressOf(IUnknown* site) {
    if (!site) return std::nullopt;
    if (auto address = FromContainerMoniker(site)) return address;
    return FromBrowser(site);
}

}  // namespace orvantis::com

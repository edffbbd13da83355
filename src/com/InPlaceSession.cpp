#include "com/InPlaceSession.hpp"

#include <utility>

#include "com/ControlFace.hpp"

namespace orvantis::com {
namespace {

constexpr wchar_t kObjectName[] = L"Orvantis";

}  // namespace

HRESULT InPlaceSession::Enter(IOleClientSite* client) {
    if (!client) return E_UNEXPECTED;
    ComPtr<IOleInPlaceSite> site;
    if (FAILED(client->QueryInterface(IID_PPV_ARGS(&site)))) return E_NOINTERFACE;
    if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
    HRESULT entered = site->OnInPlaceActivate();
    if (FAILED(entered)) return entered;

    HWND parent = nullptr;
    RECT position{};
    RECT clip{};
    OLEINPLACEFRAMEINFO frameInfo{};
    frameInfo.cb = sizeof frameInfo;
    entered = site->GetWindow(&parent);
    if (SUCCEEDED(entered)) {
        entered = site->GetWindowContext(frame_.ReleaseAndGetAddressOf(), document_.ReleaseAndGetAddressOf(), &position, &clip, &frameInfo);
    }
    if (SUCCEEDED(entered)) {
        window_ = CreateFaceWindow(parent, position);
        if (!window_.Get()) entered = E_FAIL;
    }
    if (FAILED(entered)) {
        frame_.Reset();
        document_.Reset();
        site->OnInPlaceDeactivate();
        return entered;
    }
    site_ = std::move(site);
    return S_OK;
}

HRESULT InPlaceSession::Activate(IOleClientSite* client, IOleInPlaceActiveObject* object, bool ui) {
    if (!site_) {
        const HRESULT entered = Enter(client);
        if (FAILED(entered)) return entered;
    }
    ShowWindow(window_.Get(), SW_SHOWNA);
    if (ui && !uiActive_) {
        uiActive_ = true;
        site_->OnUIActivate();
        // The label needs no tool space: null border space says so.
        if (frame_) {
            frame_->SetActiveObject(object, kObjectName);
            frame_->SetBorderSpace(nullptr);
        }
        if (document_) {
            document_->SetActiveObject(object, kObjectName);
            document_->SetBorderSpace(nullptr);
        }
    }
    return S_OK;
}

HRESULT InPlaceSession::DeactivateUi() {
    if (!uiActive_) return S_OK;
    // Set first: the container may deactivate us again from its callbacks.
    uiActive_ = false;
    if (document_) document_->SetActiveObject(nullptr, nullptr);
    if (frame_) frame_->SetActiveObject(nullptr, nullptr);
    if (site_) site_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT InPlaceSession::Deactivate() {
    if (!site_) return S_OK;
    DeactivateUi();
    window_ = windows::OwnedWindow();
    const ComPtr<IOleInPlaceSite> site = std::move(site_);
    frame_.Reset();
    document_.Reset();
    return site->OnInPlaceDeactivate();
}

void InPlaceSession::Hide() {
    DeactivateUi();
    if (window_.Get()) ShowWindow(window_.Get(), SW_HIDE);
}

HRESULT InPlaceSession::Move(const RECT& position) {
    if (!window_.Get()) return E_UNEXPECTED;
    MoveWindow(window_.Get(), position.left, position.top, position.right - position.left,
               position.bottom - position.top, TRUE);
    return S_OK;
}

}  // namespace orvantis::com

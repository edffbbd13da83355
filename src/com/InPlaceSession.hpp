#pragma once

#include "com/OrvantisTypes.hpp"
#include "platform/windows/WindowHandles.hpp"

namespace orvantis::com {

using windows::ComPtr;

// The control's in-place life inside a container's window: the site's negotiation, the face
// window, and UI activation (the control announced to the frame and document as their
// active object). It holds the container's objects only while active, so that deactivation
// breaks every reference cycle with the container.
class InPlaceSession {
public:
    // Activates in the client site's window (UI-activates too when ui is set); the object
    // is what the frame and document are given.
    HRESULT Activate(IOleClientSite* client, IOleInPlaceActiveObject* object, bool ui);
    HRESULT DeactivateUi();
    HRESULT Deactivate();
    void Hide();
    HRESULT Move(const RECT& position);

    bool Active() const { return site_ != nullptr; }
    HWND Window() const { return window_.Get(); }

private:
    HRESULT Enter(IOleClientSite* client);

    ComPtr<IOleInPlaceSite> site_;
    ComPtr<IOleInPlaceFrame> frame_;
    ComPtr<IOleInPlaceUIWindow> document_;
    windows::OwnedWindow window_;
    bool uiActive_ = false;
};

}  // namespace orvantis::com

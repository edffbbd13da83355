#include "com/Embedding.hpp"

namespace orvantis::com {

void* Embedding::Find(REFIID iid) {
    if (iid == IID_IOleObject) return static_cast<IOleObject*>(this);
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) return static_cast<IOleInPlaceObject*>(this);
    if (iid == IID_IOleInPlaceActiveObject) return static_cast<IOleInPlaceActiveObject*>(this);
    if (iid == IID_IViewObject || iid == IID_IViewObject2) return static_cast<IViewObject2*>(this);
    if (iid == IID_IOleControl) return static_cast<IOleControl*>(this);
    return nullptr;
}

ComPtr<IUnknown> Embedding::Self() { return ComPtr<IUnknown>(static_cast<IOleObject*>(this)); }

// Made at the first need: most hosts never ask to be told of a close.
HRESULT Embedding::HoldAdvises() { return advises_ ? S_OK : CreateOleAdviseHolder(&advises_); }

// IOleObject

HRESULT Embedding::SetClientSite(IOleClientSite* site) {
    site_ = site;
    return S_OK;
}

HRESULT Embedding::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    return site_.CopyTo(site);
}

HRESULT Embedding::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

// Nothing to save: the control has no persistent state.
HRESULT Embedding::Close(DWORD) {
    const auto self = Self();
    inPlace_.Deactivate();
    if (advises_) advises_->SendOnClose();
    return S_OK;
}

HRESULT Embedding::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT Embedding::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

HRESULT Embedding::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT Embedding::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

// Every verb that shows the control activates it in place: the face lives in the
// container's window, never in one of its own.
HRESULT Embedding::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) {
    const auto self = Self();
    IOleClientSite* client = site_ ? site_.Get() : site;
    auto* active = static_cast<IOleInPlaceActiveObject*>(this);
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_UIACTIVATE:
        return inPlace_.Activate(client, active, true);
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
        return inPlace_.Activate(client, active, false);
    case OLEIVERB_HIDE:
        inPlace_.Hide();
        return S_OK;
    case OLEIVERB_DISCARDUNDOSTATE:
        return S_OK;
    default:
        // A positive verb the control does not know is taken as the primary one.
        if (verb <= 0) return E_NOTIMPL;
        const HRESULT activated = inPlace_.Activate(client, active, true);
        return FAILED(activated) ? activated : OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT Embedding::EnumVerbs(IEnumOLEVERB** verbs) { return OleRegEnumVerbs(CLSID_OrvantisAgent, verbs); }

HRESULT Embedding::Update() { return S_OK; }

HRESULT Embedding::IsUpToDate() { return S_OK; }

HRESULT Embedding::GetUserClassID(CLSID* id) {
    if (!id) return E_POINTER;
    *id = CLSID_OrvantisAgent;
    return S_OK;
}

HRESULT Embedding::GetUserType(DWORD form, LPOLESTR* type) {
    return OleRegGetUserType(CLSID_OrvantisAgent, form, type);
}

HRESULT Embedding::SetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (size->cx <= 0 || size->cy <= 0) return E_INVALIDARG;
    extent_ = *size;
    return S_OK;
}

HRESULT Embedding::GetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = extent_;
    return S_OK;
}

HRESULT Embedding::Advise(IAdviseSink* sink, DWORD* connection) {
    const HRESULT held = HoldAdvises();
    return FAILED(held) ? held : advises_->Advise(sink, connection);
}

HRESULT Embedding::Unadvise(DWORD connection) {
    return advises_ ? advises_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

HRESULT Embedding::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    const HRESULT held = HoldAdvises();
    return FAILED(held) ? held : advises_->EnumAdvise(advises);
}

HRESULT Embedding::GetMiscStatus(DWORD aspect, DWORD* status) {
    return OleRegGetMiscStatus(CLSID_OrvantisAgent, aspect, status);
}

HRESULT Embedding::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject

HRESULT Embedding::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = inPlace_.Window();
    return *window ? S_OK : E_FAIL;
}

HRESULT Embedding::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT Embedding::InPlaceDeactivate() {
    const auto self = Self();
    return inPlace_.Deactivate();
}

HRESULT Embedding::UIDeactivate() {
    const auto self = Self();
    return inPlace_.DeactivateUi();
}

// The clip rectangle is not applied: the container's window clips the face at its own edges,
// which is all a label needs.
HRESULT Embedding::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    return inPlace_.Move(*position);
}

HRESULT Embedding::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

HRESULT Embedding::TranslateAccelerator(LPMSG) { return S_FALSE; }
HRESULT Embedding::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT Embedding::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT Embedding::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT Embedding::EnableModeless(BOOL) { return S_OK; }

// IViewObject2

HRESULT Embedding::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds,
                        LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    DrawFace(dc, RECT{bounds->left, bounds->top, bounds->right, bounds->bottom});
    return S_OK;
}

HRESULT Embedding::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (colors) *colors = nullptr;
    return E_NOTIMPL;
}

HRESULT Embedding::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }

HRESULT Embedding::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT Embedding::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    viewSink_ = sink;
    viewAspects_ = aspects;
    viewFlags_ = flags;
    // The face never changes; a sink that asks to be primed learns that it is there to draw.
    if (sink && (flags & ADVF_PRIMEFIRST)) sink->OnViewChange(DVASPECT_CONTENT, -1);
    return S_OK;
}

HRESULT Embedding::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) viewSink_.CopyTo(sink);
    return S_OK;
}

HRESULT Embedding::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, SIZEL* size) {
    return GetExtent(aspect, size);
}

// IOleControl

HRESULT Embedding::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT Embedding::OnMnemonic(MSG*) { return E_NOTIMPL; }
HRESULT Embedding::OnAmbientPropertyChange(DISPID) { return S_OK; }
HRESULT Embedding::FreezeEvents(BOOL) { return S_OK; }

}  // namespace orvantis::com

#include "com/EmptyPersistence.hpp"

namespace orvantis::com {

void* EmptyPersistence::Find(REFIID iid) {
    if (iid == IID_IPersist || iid == IID_IPersistStreamInit) return static_cast<IPersistStreamInit*>(this);
    if (iid == IID_IPersistPropertyBag) return static_cast<IPersistPropertyBag*>(this);
    return nullptr;
}

HRESULT EmptyPersistence::GetClassID(CLSID* id) {
    if (!id) return E_POINTER;
    *id = CLSID_OrvantisAgent;
    return S_OK;
}

HRESULT EmptyPersistence::InitNew() { return S_OK; }

HRESULT EmptyPersistence::IsDirty() { return S_FALSE; }

HRESULT EmptyPersistence::Load(IStream* stream) { return stream ? S_OK : E_POINTER; }

HRESULT EmptyPersistence::Save(IStream* stream, BOOL) { return stream ? S_OK : E_POINTER; }

HRESULT EmptyPersistence::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    size->QuadPart = 0;
    return S_OK;
}

HRESULT EmptyPersistence::Load(IPropertyBag* bag, IErrorLog*) { return bag ? S_OK : E_POINTER; }

HRESULT EmptyPersistence::Save(IPropertyBag* bag, BOOL, BOOL) { return bag ? S_OK : E_POINTER; }

}  // namespace orvantis::com

#pragma once

#include "com/OrvantisTypes.hpp"

namespace orvantis::com {

// The control has no persistent properties: a container's stream or property bag (a page's
// <param> tags) is accepted and read nothing from, and saving writes nothing. A part of the
// control's one COM identity, as Embedding is.
class EmptyPersistence : public IPersistStreamInit, public IPersistPropertyBag {
public:
    void* Find(REFIID iid);

    // IPersist, of both
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override;
    // IPersistStreamInit and IPersistPropertyBag
    HRESULT STDMETHODCALLTYPE InitNew() override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog*) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL, BOOL) override;

protected:
    EmptyPersistence() = default;
    ~EmptyPersistence() = default;
};

}  // namespace orvantis::com

#pragma once

#include "com/OrvantisTypes.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/LiveObjects.hpp"

namespace orvantis::com {

using windows::ComPtr;

// Makes OrvantisAgent controls; no aggregation.
class ClassFactory final : public IClassFactory, private windows::CountedObject {
public:
    static ComPtr<IClassFactory> Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ClassFactory() = default;
    ~ClassFactory() = default;

    std::atomic<ULONG> references_{1};
};

}  // namespace orvantis::com

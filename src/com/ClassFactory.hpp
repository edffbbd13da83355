#pragma once

#include "com/OrvantisTypes.hpp"
#include "platform/windows/ComObject.hpp"

namespace orvantis::com {

// Makes OrvantisAgent controls; no aggregation.
class ClassFactory final : public windows::ComObject<ClassFactory, IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    friend class windows::ComObject<ClassFactory, IClassFactory>;
    ClassFactory() = default;
    ~ClassFactory() = default;
};

}  // namespace orvantis::com

#pragma once

#include <atomic>
#include <utility>

#include "platform/windows/ComHandles.hpp"
#include "platform/windows/LiveObjects.hpp"

namespace orvantis::windows {

// The IUnknown of a COM object with one interface: reference counting, deletion at the last
// release, and the count of live objects. Self derives from ComObject<Self, Interface>; it may
// answer further identifiers with the same pointer by hiding Answers.
template <class Self, class Interface>
class ComObject : public Interface, private CountedObject {
public:
    template <class... Arguments>
    static ComPtr<Interface> Make(Arguments&&... arguments) {
        return Adopt<Interface>(new Self(std::forward<Arguments>(arguments)...));
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(Interface) || static_cast<Self*>(this)->Answers(iid)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete static_cast<Self*>(this);
        return left;
    }

protected:
    ComObject() = default;
    ~ComObject() = default;
    static bool Answers(REFIID) { return false; }

private:
    std::atomic<ULONG> references_{1};
};

}  // namespace orvantis::windows

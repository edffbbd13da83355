#pragma once

#include "platform/windows/Win32.hpp"
#include <wrl/client.h>

#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace orvantis::windows {

using Microsoft::WRL::ComPtr;

// Takes over a reference the caller already owns, such as a new object's first one.
// (mingw-w64's ComPtr::Attach would add a reference of its own, and leak it.)
template <class Interface, class Object>
ComPtr<Interface> Adopt(Object* owned) {
    ComPtr<Interface> pointer;
    *pointer.GetAddressOf() = owned;
    return pointer;
}

// Owns one resource of the platform: Traits names its type, its empty value and how it is
// freed. Every handle, key, BSTR and VARIANT of this code is held this way.
template <class Traits>
class Owned {
public:
    using Type = typename Traits::Type;

    Owned() : value_(Traits::Empty()) {}
    explicit Owned(Type value) : value_(value) {}
    ~Owned() { Traits::Free(value_); }
    Owned(Owned&& other) noexcept : value_(other.Detach()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Traits::Free(value_);
            value_ = other.Detach();
        }
        return *this;
    }

    const Type& Get() const { return value_; }
    const Type& operator*() const { return value_; }
    // For an out-parameter: frees what is held first.
    Type* Put() {
        Traits::Free(value_);
        value_ = Traits::Empty();
        return &value_;
    }
    // Hands the resource to the caller, who then frees it.
    Type Detach() {
        Type value = value_;
        value_ = Traits::Empty();
        return value;
    }

private:
    Type value_;
};

// The traits of a handle that is null when empty and freed by one function of the platform.
template <class Handle, auto FreeFunction>
struct FreedBy {
    using Type = Handle;
    static Handle Empty() { return nullptr; }
    static void Free(Handle handle) {
        if (handle) FreeFunction(handle);
    }
};

struct HandleTraits {
    using Type = HANDLE;
    static HANDLE Empty() { return nullptr; }
    static void Free(HANDLE handle) {
        if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};
using OwnedHandle = Owned<HandleTraits>;

using OwnedKey = Owned<FreedBy<HKEY, RegCloseKey>>;

struct VariantTraits {
    using Type = VARIANT;
    static VARIANT Empty() {
        VARIANT value;
        VariantInit(&value);
        return value;
    }
    static void Free(VARIANT& value) { VariantClear(&value); }
};
using OwnedVariant = Owned<VariantTraits>;

// An owned BSTR, made from text.
class Bstr : public Owned<FreedBy<BSTR, SysFreeString>> {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text)
        : Owned(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
        if (!Get() && !text.empty()) throw std::bad_alloc();
    }
    std::wstring Text() const { return Get() ? std::wstring(Get(), SysStringLen(Get())) : L""; }
};

// Orders GUIDs, as keys of the caches of type descriptions.
struct GuidLess {
    bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

// Joins the thread to a single-threaded apartment for its lifetime, or uses the apartment
// the thread is already in; balanced on destruction.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialized_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

}  // namespace orvantis::windows

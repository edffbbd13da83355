#pragma once

#include "platform/windows/Win32.hpp"
#include <wrl/client.h>

#include <memory>
#include <string>
#include <string_view>

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

// An owned BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text)
        : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
        if (!value_ && !text.empty()) throw std::bad_alloc();
    }
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return value_; }
    // For an out-parameter: frees what is held first.
    BSTR* Put() {
        SysFreeString(value_);
        value_ = nullptr;
        return &value_;
    }
    BSTR Detach() {
        BSTR value = value_;
        value_ = nullptr;
        return value;
    }
    std::wstring Text() const { return value_ ? std::wstring(value_, SysStringLen(value_)) : L""; }

private:
    BSTR value_ = nullptr;
};

// An owned VARIANT, cleared when it goes.
class OwnedVariant {
public:
    OwnedVariant() { VariantInit(&value_); }
    ~OwnedVariant() { VariantClear(&value_); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;

    VARIANT* Get() { return &value_; }
    const VARIANT& operator*() const { return value_; }
    // Hands the content over to a VARIANT the caller owns; this one is left empty.
    void MoveTo(VARIANT* target) {
        *target = value_;
        VariantInit(&value_);
    }

private:
    VARIANT value_;
};

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

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

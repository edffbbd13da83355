#pragma once

#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {

struct WindowTraits {
    using Type = HWND;
    static HWND Empty() { return nullptr; }
    static void Free(HWND window) {
        if (window) DestroyWindow(window);
    }
};
using OwnedWindow = Owned<WindowTraits>;

// A device context made by CreateCompatibleDC or CreateDC (not one from GetDC).
struct DeviceContextTraits {
    using Type = HDC;
    static HDC Empty() { return nullptr; }
    static void Free(HDC dc) {
        if (dc) DeleteDC(dc);
    }
};
using OwnedDeviceContext = Owned<DeviceContextTraits>;

struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static HGDIOBJ Empty() { return nullptr; }
    static void Free(HGDIOBJ object) {
        if (object) DeleteObject(object);
    }
};
using OwnedGdiObject = Owned<GdiObjectTraits>;

// A device context's state (selected objects, colours, modes), put back as it was found:
// code that draws into a caller's context must leave it unchanged.
struct SavedStateTraits {
    struct Type {
        HDC dc;
        int state;
    };
    static Type Empty() { return {nullptr, 0}; }
    static void Free(Type saved) {
        if (saved.dc) RestoreDC(saved.dc, saved.state);
    }
};
class SavedDeviceContext : public Owned<SavedStateTraits> {
public:
    explicit SavedDeviceContext(HDC dc) : Owned({dc, SaveDC(dc)}) {}
};

}  // namespace orvantis::windows

#pragma once

#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {

using OwnedWindow = Owned<FreedBy<HWND, DestroyWindow>>;
// A device context made by CreateCompatibleDC or CreateDC (not one from GetDC).
using OwnedDeviceContext = Owned<FreedBy<HDC, DeleteDC>>;
using OwnedGdiObject = Owned<FreedBy<HGDIOBJ, DeleteObject>>;

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

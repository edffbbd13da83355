#pragma once

#include "com/OrvantisTypes.hpp"
#include "platform/windows/WindowHandles.hpp"

namespace orvantis::com {

// The control's face: its one label, Label1, reading "Orvantis". The same drawing serves the
// control's own window and a container's device context (IViewObject::Draw, printing), so
// both show the same face.
void DrawFace(HDC dc, const RECT& bounds);

// The size a container gives the control unless told otherwise, in HIMETRIC: one inch by a
// quarter, which holds the label in the system's dialog font.
constexpr SIZEL kDefaultExtent{2540, 635};

// A child window of parent, at position (in parent's client coordinates), that paints the
// face. Null when the window could not be made.
windows::OwnedWindow CreateFaceWindow(HWND parent, const RECT& position);

}  // namespace orvantis::com

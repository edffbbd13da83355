#pragma once

#include "platform/Dialog.hpp"

namespace orvantis::windows {

// The window property that marks the system's dialogs, so that code watching the thread's
// windows (the tests' message-box handling) can tell them from message boxes.
inline constexpr wchar_t kDialogProperty[] = L"Orvantis.Dialog";

// Shows the view as a modal dialog of class #32770 until the user answers it: OK, the Cancel or third
// button, or the close control (Esc too). The window has no owner; it is modal to every
// window of the thread, and is created for this showing and destroyed at its end.
DialogAnswer PresentDialog(const DialogView& view);

}  // namespace orvantis::windows

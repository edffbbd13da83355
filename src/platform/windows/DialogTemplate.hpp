#pragma once

#include <cstddef>
#include <vector>

#include "platform/Dialog.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

// The dialog item identifier of the view's control at that index: the buttons are IDOK and
// IDCANCEL, so that the dialog manager's Enter presses OK; the others follow the view order.
int ControlId(const DialogControl& control, std::size_t index);

// An in-memory dialog template of the view, for DialogBoxIndirectParamW: a fixed frame with
// neither minimize nor maximize box and no task-bar entry, the controls stacked in view
// (tab) order, the buttons in a row at the bottom right.
std::vector<WORD> BuildDialogTemplate(const DialogView& view);

}  // namespace orvantis::windows

#pragma once

#include <map>
#include <string>

#include "platform/Dialog.hpp"

namespace orvantis {

// An answer decided before the dialog appears (command-line options, test scripts): the
// button pressed, and texts and list lines by control id. Ids a dialog lacks are ignored,
// so one preset can serve whichever dialog a load shows.
struct PresetAnswer {
    DialogAnswer::Button button = DialogAnswer::Button::Close;
    std::map<std::wstring, std::wstring> texts{};  // text box id -> its text
    std::map<std::wstring, int> selections{};      // list box id -> line from 0, -1 for none
    std::map<std::wstring, std::wstring> namedSelections{};  // list box id -> a line's text
};

// The view answered as preset. Raises 5 for a line that the list does not have (a named line
// selects the first line of that text; the error lists the lines there are), so that a wrong
// choice is never stored as another one.
DialogAnswer AnswerAsPreset(const DialogView& view, const PresetAnswer& preset);

}  // namespace orvantis

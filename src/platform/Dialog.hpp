#pragma once

#include <string>
#include <vector>

namespace orvantis {

// What a modal dialog shows, as its model builds it; the user-interface port only presents
// it and reports what the user did. Controls are listed in tab order.
struct DialogControl {
    enum class Kind { Label, TextBox, ListBox, OkButton, CancelButton };
    Kind kind = Kind::Label;
    std::wstring id;                  // the control's name in the model: "Text1", "List1", ...
    std::wstring text;                // caption, or the text box's content
    std::vector<std::wstring> items;  // list box lines, in order (never sorted)
    int selection = -1;               // list box: the selected line, -1 for none
    bool password = false;            // text box: shows "*" for every character
    bool doubleClickIsOk = false;     // list box: a double-click on a line answers OK
};

struct DialogView {
    std::wstring caption;
    std::vector<DialogControl> controls;
};

struct DialogAnswer {
    // Ok and Cancel are the two buttons; Close is the window's close control (and Esc).
    enum class Button { Ok, Cancel, Close };
    Button button = Button::Close;
    std::vector<DialogControl> controls;  // the view's controls with the user's texts and selection
};

}  // namespace orvantis

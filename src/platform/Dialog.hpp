#pragma once

#include <string>
#include <vector>

namespace orvantis {

// What a modal dialog shows, as its model builds it; the user-interface port only presents
// it and reports what the user did. Controls are listed in tab order. Every member has a
// default, so that a model names only what it sets ({.kind = ..., .id = ..., .text = ...}).
struct DialogControl {
    // OtherButton: a third button (at most one), which ends the showing like the other two.
    enum class Kind { Label, TextBox, ListBox, OkButton, CancelButton, OtherButton };
    Kind kind = Kind::Label;
    std::wstring id{};                  // the control's name in the model: "Text1", "List1", ...
    std::wstring text{};                // caption, or the text box's content
    std::vector<std::wstring> items{};  // list box lines, in order (never sorted)
    int selection = -1;                 // list box: the selected line, -1 for none
    bool password = false;              // text box: shows "*" for every character
    bool doubleClickIsOk = false;       // list box: a double-click on a line answers OK
    bool inert = false;                 // button: pressing it does nothing, the dialog stays up
};

struct DialogView {
    std::wstring caption{};
    std::vector<DialogControl> controls{};
};

struct DialogAnswer {
    // Ok, Cancel and Other are the buttons; Close is the window's close control (and Esc).
    enum class Button { Ok, Cancel, Other, Close };
    Button button = Button::Close;
    std::vector<DialogControl> controls{};  // the view's controls with the user's texts and selection
};

// The view's control for a button; null for the close control and for a button it lacks.
inline const DialogControl* FindButton(const DialogView& view, DialogAnswer::Button button) {
    if (button == DialogAnswer::Button::Close) return nullptr;
    const auto kind = button == DialogAnswer::Button::Ok       ? DialogControl::Kind::OkButton
                      : button == DialogAnswer::Button::Cancel ? DialogControl::Kind::CancelButton
                                                               : DialogControl::Kind::OtherButton;
    for (const auto& control : view.controls) {
        if (control.kind == kind) return &control;
    }
    return nullptr;
}

// Whether pressing a button ends a showing: the close control always does; a button only
// when the view has it and it is not inert.
inline bool CanPress(const DialogView& view, DialogAnswer::Button button) {
    if (button == DialogAnswer::Button::Close) return true;
    const DialogControl* control = FindButton(view, button);
    return control && !control->inert;
}

}  // namespace orvantis

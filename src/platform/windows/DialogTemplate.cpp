#include "platform/windows/DialogTemplate.hpp"

#include <algorithm>
#include <string_view>

namespace orvantis::windows {
namespace {

using Kind = DialogControl::Kind;

// Sizes in dialog units, in which a character is about 4 wide and 8 high.
constexpr int kMargin = 7;
constexpr int kWidth = 220;
constexpr int kGap = 4;
constexpr int kTextBoxHeight = 12;
constexpr int kListBoxHeight = 64;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kFirstControlId = 100;

// Predefined window classes, by the atoms that templates use for them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kListBoxClass = 0x0083;

struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A label wraps; its height is guessed from its length and its own line breaks.
int LabelHeight(std::wstring_view text) {
    constexpr int kCharactersPerLine = (kWidth - 2 * kMargin) / 4;
    const auto breaks = std::count(text.begin(), text.end(), L'\n');
    return 8 * static_cast<int>(1 + text.size() / kCharactersPerLine + breaks);
}

bool IsButton(const DialogControl& control) {
    return control.kind == Kind::OkButton || control.kind == Kind::CancelButton ||
           control.kind == Kind::OtherButton;
}

class TemplateWriter {
public:
    void Word(int value) { words_.push_back(static_cast<WORD>(value)); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    // Up to a NUL the text might hold: one would end the text early and shift the rest.
    void Text(std::wstring_view text) {
        for (wchar_t c : text.substr(0, text.find(L'\0'))) Word(c);
        Word(0);
    }
    void Place(const Placement& at) {
        Word(at.x);
        Word(at.y);
        Word(at.width);
        Word(at.height);
    }
    // Every item of a template starts on a DWORD boundary.
    void AlignToDword() {
        if (words_.size() % 2 != 0) Word(0);
    }
    std::vector<WORD> Take() { return std::move(words_); }

private:
    std::vector<WORD> words_;
};

DWORD StyleOf(const DialogControl& control) {
    switch (control.kind) {
        case Kind::Label: return SS_LEFT | SS_NOPREFIX;
        case Kind::TextBox:
            return ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (control.password ? ES_PASSWORD : 0);
        case Kind::ListBox:  // never LBS_SORT: the lines keep the model's order
            return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
        case Kind::OkButton: return BS_DEFPUSHBUTTON | WS_TABSTOP;
        case Kind::CancelButton:
        case Kind::OtherButton: return BS_PUSHBUTTON | WS_TABSTOP;
    }
    return 0;
}

WORD ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Label: return kStaticClass;
        case Kind::TextBox: return kEditClass;
        case Kind::ListBox: return kListBoxClass;
        case Kind::OkButton:
        case Kind::CancelButton:
        case Kind::OtherButton: return kButtonClass;
    }
    return kStaticClass;
}

// Wide enough for its caption, at about 4 units a character.
int ButtonWidth(const DialogControl& button) {
    return std::max(kButtonWidth, 4 * static_cast<int>(button.text.size()) + 12);
}

// The controls stacked in view order, then the buttons in a row under them; sets the
// dialog's height.
std::vector<Placement> Layout(const DialogView& view, int& height) {
    std::vector<Placement> placements(view.controls.size());
    int y = kMargin;
    for (std::size_t i = 0; i < view.controls.size(); ++i) {
        const auto& control = view.controls[i];
        if (IsButton(control)) continue;
        const int controlHeight = control.kind == Kind::Label     ? LabelHeight(control.text)
                                  : control.kind == Kind::TextBox ? kTextBoxHeight
                                                                  : kListBoxHeight;
        placements[i] = {kMargin, y, kWidth - 2 * kMargin, controlHeight};
        y += controlHeight + (control.kind == Kind::Label ? 2 : kGap);
    }
    const int row = y + kGap;
    int rowWidth = -kGap;
    for (const auto& control : view.controls) {
        if (IsButton(control)) rowWidth += ButtonWidth(control) + kGap;
    }
    int x = kWidth - kMargin - rowWidth;
    for (std::size_t i = 0; i < view.controls.size(); ++i) {
        if (!IsButton(view.controls[i])) continue;
        placements[i] = {x, row, ButtonWidth(view.controls[i]), kButtonHeight};
        x += placements[i].width + kGap;
    }
    height = row + kButtonHeight + kMargin;
    return placements;
}

}  // namespace

int ControlId(const DialogControl& control, std::size_t index) {
    if (control.kind == Kind::OkButton) return IDOK;
    if (control.kind == Kind::CancelButton) return IDCANCEL;
    return kFirstControlId + static_cast<int>(index);
}

std::vector<WORD> BuildDialogTemplate(const DialogView& view) {
    int height = 0;
    const auto placements = Layout(view, height);
    TemplateWriter out;
    out.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
    out.Dword(WS_EX_TOOLWINDOW);  // no task-bar entry, though the dialog has no owner
    out.Word(static_cast<int>(view.controls.size()));
    out.Place({0, 0, kWidth, height});
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class, #32770
    out.Text(view.caption);
    out.Word(8);
    out.Text(L"MS Shell Dlg");
    for (std::size_t i = 0; i < view.controls.size(); ++i) {
        const auto& control = view.controls[i];
        out.AlignToDword();
        out.Dword(WS_CHILD | WS_VISIBLE | StyleOf(control));
        out.Dword(0);
        out.Place(placements[i]);
        out.Word(ControlId(control, i));
        out.Word(0xFFFF);
        out.Word(ClassOf(control.kind));
        out.Text(control.text);
        out.Word(0);  // no creation data
    }
    return out.Take();
}

}  // namespace orvantis::windows

#pragma once

#include <string>
#include <vector>

#include "dialogs/DialogModel.hpp"

namespace orvantis::test {

// A dialog with a control of every kind, for the dialog machinery and its presenters. Each
// button records what the controls held when it was pressed.
class TestDialog : public DialogModel {
public:
    struct Press {
        DialogAnswer::Button button;
        std::wstring name;
        std::wstring password;
        int line;
        bool operator==(const Press&) const = default;
    };

    std::vector<std::wstring> lines = {L"Zo\u00E9", L"Contacts", L"Archives"};  // not sorted
    bool cancelIsInert = false;
    bool doubleClickIsOk = true;
    int loads = 0;
    std::vector<Press> presses;

protected:
    DialogView Load(Host&) override {
        ++loads;
        using Kind = DialogControl::Kind;
        return {L"Test parameters",
                {{.kind = Kind::Label, .id = L"Label1", .text = L"Name:"},
                 {.kind = Kind::TextBox, .id = L"Text1", .text = L"anne"},
                 {.kind = Kind::Label, .id = L"Label2", .text = L"Password:"},
                 {.kind = Kind::TextBox, .id = L"Text2", .text = L"s3cret", .password = true},
                 {.kind = Kind::Label, .id = L"Label3", .text = L"Books:"},
                 {.kind = Kind::ListBox, .id = L"List1", .items = lines, .doubleClickIsOk = doubleClickIsOk},
                 {.kind = Kind::OkButton, .id = L"OKButton", .text = L"OK"},
                 {.kind = Kind::CancelButton, .id = L"CancelButton", .text = L"Annuler",
                  .inert = cancelIsInert}}};
    }
    DialogOutcome OnOk(Host&) override { return Record(DialogAnswer::Button::Ok, DialogOutcome::Hide); }
    DialogOutcome OnCancel(Host&) override {
        return Record(DialogAnswer::Button::Cancel, DialogOutcome::Hide);
    }
    DialogOutcome OnClose(Host&) override {
        return Record(DialogAnswer::Button::Close, DialogOutcome::Unload);
    }

private:
    DialogOutcome Record(DialogAnswer::Button button, DialogOutcome outcome) {
        presses.push_back({button, Control(L"Text1").text, Control(L"Text2").text,
                           Control(L"List1").selection});
        return outcome;
    }
};

}  // namespace orvantis::test

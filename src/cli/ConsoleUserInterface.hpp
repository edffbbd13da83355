#pragma once

#include <optional>
#include <ostream>

#include "cli/Terminal.hpp"
#include "dialogs/PresetAnswer.hpp"
#include "platform/UserInterface.hpp"

namespace orvantis::cli {

// The user interface of the command line. Message boxes are written as "[Title] text" and
// answered OK. A dialog takes the preset answer when the command's options gave one, else
// asks at the terminal when there is one, else takes the window's close control, which
// saves nothing. Each showing then leaves one "[Caption] ..." line, never with a password.
class ConsoleUserInterface : public UserInterface {
public:
    ConsoleUserInterface(std::ostream& messages, Terminal* terminal,
                         std::optional<PresetAnswer> preset = std::nullopt);

    int MessageBox(const std::wstring& text, const std::wstring& title, int style) override;
    DialogAnswer ShowDialog(const DialogView& view) override;

private:
    DialogAnswer AskAtTerminal(const DialogView& view);
    bool AskText(DialogControl& box, const std::wstring& prompt);
    bool AskLine(DialogControl& list);
    std::optional<DialogAnswer::Button> AskButton(const DialogView& view);

    std::ostream& messages_;
    Terminal* terminal_;
    std::optional<PresetAnswer> preset_;
};

}  // namespace orvantis::cli

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "cli/ConsoleUserInterface.hpp"
#include "control/SiteConsentDialog.hpp"
#include "fakes/TestDialog.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis::cli {
namespace {

using Button = DialogAnswer::Button;
using test::TestDialog;

// Lines typed in advance; records whether each was read with echo.
class TypedLines : public Terminal {
public:
    explicit TypedLines(std::deque<std::wstring> lines) : lines_(std::move(lines)) {}
    std::optional<std::wstring> ReadLine(bool echo) override {
        echoes.push_back(echo);
        if (lines_.empty()) return std::nullopt;
        std::wstring line = lines_.front();
        lines_.pop_front();
        return line;
    }
    std::vector<bool> echoes;

private:
    std::deque<std::wstring> lines_;
};

// Shows the test dialog once through the console; what the console wrote.
std::string ShowOnce(DialogModel& dialog, Terminal* terminal, std::optional<PresetAnswer> preset = {}) {
    std::ostringstream messages;
    ConsoleUserInterface console(messages, terminal, std::move(preset));
    test::TestHost fakes;
    Host host = fakes.With(console);
    ShowModally(dialog, host);
    return messages.str();
}

// A third button is offered as "a"; an answer the terminal does not know is asked again.
TEST(ConsoleUserInterfaceTest, TheThirdButtonIsAnsweredAtTheTerminal) {
    TypedLines typed({L"z", L"A"});
    SiteConsentDialog dialog(L"https://crm.example.com wants to add 1 contact to Outlook.");
    const std::string shown = ShowOnce(dialog, &typed);
    EXPECT_EQ(dialog.Given(), SiteConsentDialog::Answer::AlwaysAllow);
    const std::string choices =
        "o = Allow once, c = Refuse, a = Always allow this site, x = close the window [o]: ";
    EXPECT_EQ(shown, "[Orvantis Agent]\nhttps://crm.example.com wants to add 1 contact to Outlook.\n" +
                                  choices + choices +
                                  "[Orvantis Agent] https://crm.example.com wants to add 1 contact to "
                                  "Outlook. -> Always allow this site\n");
}

TEST(ConsoleUserInterfaceTest, BoxesShowEveryCarriageReturnAsOneLineBreak) {
    std::ostringstream messages;
    ConsoleUserInterface console(messages, nullptr);
    EXPECT_EQ(console.MessageBox(L"a\rb\r\nc\n\rd\r", L"T\u00EEtle", 0), box::kOk);
    EXPECT_EQ(messages.str(), "[T\u00EEtle] a\nb\nc\n\nd\n\n");
}

// The line of an answer given by options is the command line's golden. Pressing a button that
// does nothing would leave the dialog up for ever: the window is closed instead.
TEST(ConsoleUserInterfaceTest, AnOptionPressingAnInertButtonClosesTheWindow) {
    TestDialog dialog;
    dialog.cancelIsInert = true;
    EXPECT_EQ(ShowOnce(dialog, nullptr, PresetAnswer{Button::Cancel}),
              "[Test parameters] Name: Text1=\"anne\" Password: Text2=(hidden) Books: List1=none of 3 -> closed\n");
    ASSERT_EQ(dialog.presses.size(), 1u);
    EXPECT_EQ(dialog.presses[0].button, Button::Close);
}

TEST(ConsoleUserInterfaceTest, TheTerminalPromptsEachControlAndReadsThePasswordWithoutEcho) {
    TestDialog dialog;
    TypedLines typed({L"b\u00F6b", L"p4ss", L"9", L"2", L"?", L"c"});
    const std::string shown = ShowOnce(dialog, &typed);
    EXPECT_EQ(dialog.presses, (std::vector<TestDialog::Press>{{Button::Cancel, L"b\u00F6b", L"p4ss", 2}}));
    EXPECT_EQ(typed.echoes, (std::vector<bool>{true, false, true, true, true, true}));
    EXPECT_EQ(shown,
              "[Test parameters]\n"
              "Name: [anne]: Password: (not shown; Enter keeps it): Books:\n"
              "  0. Zo\u00E9\n  1. Contacts\n  2. Archives\n"
              "Line (0-2, - for none) [-]: No such line.\nLine (0-2, - for none) [-]: "
              "o = OK, c = Annuler, x = close the window [o]: "
              "o = OK, c = Annuler, x = close the window [o]: "
              "[Test parameters] Name: Text1=\"b\u00F6b\" Password: Text2=(hidden) Books: "
              "List1=2 \"Archives\" of 3 -> Annuler\n");

    // Empty lines keep what is shown; the end of input closes the window.
    TypedLines ended({L"", L"", L""});
    ShowOnce(dialog, &ended);
    ASSERT_EQ(dialog.presses.size(), 2u);
    EXPECT_EQ(dialog.presses[1].button, Button::Close);
}

}  // namespace
}  // namespace orvantis::cli

#include "cli/ConsoleUserInterface.hpp"

#include <cwctype>
#include <sstream>
#include <utility>
#include <vector>

#include "automation/Unicode.hpp"

namespace orvantis::cli {
namespace {

using Button = DialogAnswer::Button;
using Kind = DialogControl::Kind;

// A CR alone or before a LF is one line break, as a box shows it.
std::wstring WithLineBreaks(std::wstring_view text) {
    std::wstring shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r') {
            shown += text[i];
            continue;
        }
        shown += L'\n';
        if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    }
    return shown;
}

std::string OneLine(std::wstring_view text) {
    std::wstring line = WithLineBreaks(text);
    for (auto& c : line) {
        if (c == L'\n') c = L' ';
    }
    return Utf8FromWide(line);
}

std::string PressedName(const DialogView& view, Button button) {
    if (button == Button::Close) return "closed";
    return OneLine(FindButton(view, button)->text);
}

std::string Summary(const DialogView& view, const DialogAnswer& answer) {
    std::ostringstream line;
    line << '[' << OneLine(view.caption) << ']';
    for (const auto& control : answer.controls) {
        if (control.kind == Kind::Label) line << ' ' << OneLine(control.text);
        if (control.kind == Kind::TextBox) {
            line << ' ' << OneLine(control.id) << '=';
            if (control.password) {
                line << "(hidden)";
            } else {
                line << '"' << OneLine(control.text) << '"';
            }
        }
        if (control.kind == Kind::ListBox) {
            const int count = static_cast<int>(control.items.size());
            line << ' ' << OneLine(control.id) << '=';
            if (control.selection >= 0 && control.selection < count) {
                line << control.selection << " \"" << OneLine(control.items[control.selection]) << '"';
            } else {
                line << "none";
            }
            line << " of " << count;
        }
    }
    line << " -> " << PressedName(view, answer.button);
    return line.str();
}

std::optional<int> LineNumber(const std::wstring& text, int count) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int number = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        number = number * 10 + (c - L'0');
    }
    if (number >= count) return std::nullopt;
    return number;
}

}  // namespace

ConsoleUserInterface::ConsoleUserInterface(std::ostream& messages, Terminal* terminal,
                                           std::optional<PresetAnswer> preset)
    : messages_(messages), terminal_(terminal), preset_(std::move(preset)) {}

int ConsoleUserInterface::MessageBox(const std::wstring& text, const std::wstring& title, int) {
    messages_ << "[" << Utf8FromWide(title) << "] " << Utf8FromWide(WithLineBreaks(text)) << '\n';
    return box::kOk;
}

DialogAnswer ConsoleUserInterface::ShowDialog(const DialogView& view) {
    DialogAnswer answer{Button::Close, view.controls};
    if (preset_) {
        answer = AnswerAsPreset(view, *preset_);
        if (!CanPress(view, answer.button)) answer.button = Button::Close;
    } else if (terminal_) {
        answer = AskAtTerminal(view);
    }
    messages_ << Summary(view, answer) << '\n';
    return answer;
}

// The end of input at any prompt closes the window.
DialogAnswer ConsoleUserInterface::AskAtTerminal(const DialogView& view) {
    DialogAnswer answer{Button::Close, view.controls};
    messages_ << "[" << OneLine(view.caption) << "]\n";
    auto& controls = answer.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto& control = controls[i];
        const bool promptsNext = i + 1 < controls.size() && controls[i + 1].kind == Kind::TextBox;
        bool answered = true;
        switch (control.kind) {
            case Kind::Label:
                if (!promptsNext) messages_ << OneLine(control.text) << '\n';
                break;
            case Kind::TextBox:
                answered = AskText(control, i > 0 && controls[i - 1].kind == Kind::Label
                                                ? controls[i - 1].text
                                                : control.id + L":");
                break;
            case Kind::ListBox: answered = AskLine(control); break;
            case Kind::OkButton:
            case Kind::CancelButton:
            case Kind::OtherButton: break;
        }
        if (!answered) return {Button::Close, view.controls};
    }
    const auto button = AskButton(view);
    if (!button) return {Button::Close, view.controls};
    answer.button = *button;
    return answer;
}

bool ConsoleUserInterface::AskText(DialogControl& box, const std::wstring& prompt) {
    messages_ << OneLine(prompt)
              << (box.password ? " (not shown; Enter keeps it): "
                               : " [" + OneLine(box.text) + "]: ")
              << std::flush;
    const auto line = terminal_->ReadLine(!box.password);
    if (!line) return false;
    if (!line->empty()) box.text = *line;
    return true;
}

bool ConsoleUserInterface::AskLine(DialogControl& list) {
    const int count = static_cast<int>(list.items.size());
    if (count == 0) {
        messages_ << "  (no line)\n";
        return true;
    }
    for (int i = 0; i < count; ++i) messages_ << "  " << i << ". " << OneLine(list.items[i]) << '\n';
    for (;;) {
        const std::string current = list.selection >= 0 ? std::to_string(list.selection) : "-";
        messages_ << "Line (0-" << count - 1 << ", - for none) [" << current << "]: " << std::flush;
        const auto line = terminal_->ReadLine(true);
        if (!line) return false;
        if (line->empty()) return true;
        if (*line == L"-") {
            list.selection = -1;
            return true;
        }
        if (const auto number = LineNumber(*line, count)) {
            list.selection = *number;
            return true;
        }
        messages_ << "No such line.\n";
    }
}

std::optional<DialogAnswer::Button> ConsoleUserInterface::AskButton(const DialogView& view) {
    std::vector<std::pair<wchar_t, Button>> keys;
    std::string choices;
    for (const auto& [key, button] : {std::pair{L'o', Button::Ok}, std::pair{L'c', Button::Cancel},
                                      std::pair{L'a', Button::Other}}) {
        if (!CanPress(view, button)) continue;
        keys.emplace_back(key, button);
        choices += std::string(1, static_cast<char>(key)) + " = " + PressedName(view, button) + ", ";
    }
    keys.emplace_back(L'x', Button::Close);
    choices += "x = close the window";
    for (;;) {
        messages_ << choices << " [" << static_cast<char>(keys.front().first) << "]: " << std::flush;
        const auto line = terminal_->ReadLine(true);
        if (!line) return std::nullopt;
        if (line->empty()) return keys.front().second;
        for (const auto& [key, button] : keys) {
            if (static_cast<wchar_t>(std::towlower(static_cast<wint_t>((*line)[0]))) == key) {
                return button;
            }
        }
    }
}

}  // namespace orvantis::cli

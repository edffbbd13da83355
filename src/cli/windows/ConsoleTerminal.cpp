#include <io.h>

#include <iostream>

#include "cli/Terminal.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::cli {
namespace {

// Echo stays off only while one line is read, whatever ends the read.
class EchoOff {
public:
    explicit EchoOff(HANDLE input) : input_(input), active_(GetConsoleMode(input, &saved_) != 0) {
        if (active_) SetConsoleMode(input_, saved_ & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    }
    ~EchoOff() {
        if (active_) SetConsoleMode(input_, saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    HANDLE input_;
    DWORD saved_ = 0;
    bool active_;
};

// The console's own UTF-16, so that no code page stands between the user and the text.
class ConsoleTerminal : public Terminal {
public:
    std::optional<std::wstring> ReadLine(bool echo) override {
        const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
        std::optional<EchoOff> quiet;
        if (!echo) quiet.emplace(input);
        std::wstring line;
        wchar_t unit = 0;
        DWORD count = 0;
        while (ReadConsoleW(input, &unit, 1, &count, nullptr) && count == 1 && unit != L'\n') {
            if (unit != L'\r') line += unit;
        }
        if (!echo) std::cerr << '\n';  // the line end typed was not shown either
        if (count == 0 && line.empty()) return std::nullopt;
        return line;
    }
};

}  // namespace

std::unique_ptr<Terminal> OpenTerminal() {
    if (!_isatty(_fileno(stdin)) || !_isatty(_fileno(stderr))) return nullptr;
    return std::make_unique<ConsoleTerminal>();
}

}  // namespace orvantis::cli

#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <string>

#include "automation/Unicode.hpp"
#include "cli/Terminal.hpp"

namespace orvantis::cli {
namespace {

// Echo stays off only while one line is read, whatever ends the read.
class EchoOff {
public:
    EchoOff() : saved_(), active_(tcgetattr(STDIN_FILENO, &saved_) == 0) {
        if (!active_) return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (active_) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios saved_;
    bool active_;
};

class PosixTerminal : public Terminal {
public:
    std::optional<std::wstring> ReadLine(bool echo) override {
        std::string line;
        bool read = false;
        if (echo) {
            read = static_cast<bool>(std::getline(std::cin, line));
        } else {
            const EchoOff quiet;
            read = static_cast<bool>(std::getline(std::cin, line));
            std::cerr << '\n';  // the line end typed was not shown either
        }
        if (!read) return std::nullopt;
        return WideFromUtf8(line).value_or(std::wstring());
    }
};

}  // namespace

std::unique_ptr<Terminal> OpenTerminal() {
    if (!isatty(STDIN_FILENO) || !isatty(STDERR_FILENO)) return nullptr;
    return std::make_unique<PosixTerminal>();
}

}  // namespace orvantis::cli

#pragma once

#include <memory>
#include <optional>
#include <string>

namespace orvantis::cli {

// The user at the keyboard, when there is one.
class Terminal {
public:
    virtual ~Terminal() = default;
    // One line as typed, without its end; nothing once input has ended. Without echo the
    // typed characters are not shown (a password).
    virtual std::optional<std::wstring> ReadLine(bool echo) = 0;
};

// The process's terminal when both standard input and standard error are one (prompts go
// to standard error, so that standard output stays the command's own); otherwise null.
std::unique_ptr<Terminal> OpenTerminal();

}  // namespace orvantis::cli

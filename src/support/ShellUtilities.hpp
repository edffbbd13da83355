#pragma once

#include <cstdint>
#include <string>

#include "platform/Host.hpp"

namespace orvantis::ShellUtilities {

// Window styles of a started program.
inline constexpr int kNormalFocus = 1;

// Runs the command line to its end. A program that cannot be started is reported in a
// message box ("Last Error Number was: ...") and gives 1; otherwise 0.
std::int32_t ShellAndWait(Host& host, const std::wstring& commandLine, int windowStyle);

}  // namespace orvantis::ShellUtilities

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvantis {

// Splits a command line into program and arguments by the Windows rules (those of
// CommandLineToArgvW): blanks separate, double quotes group, 2n backslashes before a quote
// give n backslashes and a quote that groups, 2n+1 give n backslashes and a literal quote,
// and "" inside a quoted run is a literal quote. The program name ends at its first blank
// outside quotes and takes backslashes literally.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

}  // namespace orvantis

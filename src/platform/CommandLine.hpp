#pragma once

#include <functional>
#include <optional>
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

// The argument in double quotes, escaped so that SplitCommandLine gives it back unchanged.
std::wstring QuoteArgument(std::wstring_view argument);

// Replaces each %NAME% whose lookup gives a value, as Windows expands environment strings:
// an unknown name is left as it stands, its closing "%" free to open the next name.
std::wstring ExpandPercentVariables(
    std::wstring_view text,
    const std::function<std::optional<std::wstring>(const std::wstring& name)>& lookup);

}  // namespace orvantis

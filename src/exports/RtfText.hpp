#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// A value as RTF text that reads back as the value: "\", "{" and "}" escaped, a character
// outside ASCII as \'hh of its single-byte (ANSI) code, and one the code page lacks as
// \uN with "?" for readers that know no Unicode. The result is ASCII.
std::wstring RtfText(std::wstring_view value);

}  // namespace orvantis

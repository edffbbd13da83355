#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// A value as RTF text that reads back as the value on any machine: "\", "{" and "}" escaped,
// a character outside ASCII as \'hh of its Windows-1252 code (the code page the note
// declares), and any other as \uN with "?" for readers that know no Unicode. The result is
// ASCII.
std::wstring RtfText(std::wstring_view value);

}  // namespace orvantis

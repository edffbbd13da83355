#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// The single-byte (ANSI) code page: the active code page on Windows, Windows-1252 elsewhere.
// A character the code page lacks becomes its substitute, "?".
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

// The code page's name as MIME charsets spell it ("WINDOWS-1252"), for files that say which
// character set their bytes are in.
std::wstring AnsiCharsetName();

}  // namespace orvantis

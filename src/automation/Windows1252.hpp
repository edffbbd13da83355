#pragma once

#include <optional>

namespace orvantis {

// The Windows-1252 code page, which the desktop note declares whatever the machine's own
// code page is, and which stands in for the ANSI code page where there is none.
// The byte of a character; none when the code page lacks it.
std::optional<unsigned char> Windows1252Byte(wchar_t character);
// The character of a byte; none for the five bytes the code page leaves undefined.
std::optional<wchar_t> Windows1252Character(unsigned char byte);

}  // namespace orvantis

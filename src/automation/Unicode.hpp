#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvantis {

// Conversions between the system's text (std::wstring: UTF-16 on Windows, UTF-32 elsewhere)
// and UTF-8, used only at the edges: files, the console, the XML parser.

// Unpaired surrogates and out-of-range code points become U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

// Empty when the bytes are not valid UTF-8 (overlong forms and surrogates included).
std::optional<std::wstring> WideFromUtf8(std::string_view bytes);
// The same, appended to `out`; false at the first malformed sequence, `out` then holding what
// came before it.
bool AppendWideFromUtf8(std::wstring& out, std::string_view bytes);

// UTF-16 code units (as read from a file) to the system's text; empty when malformed.
std::optional<std::wstring> WideFromUtf16(std::u16string_view units);

// The text with each control character written visibly, so that it fits on one line and
// cannot steer a terminal: \r, \n, \t, or \xHH (C0 controls, DEL and the C1 controls).
std::wstring EscapeControlCharacters(std::wstring_view text);

}  // namespace orvantis

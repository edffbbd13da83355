#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "automation/Variant.hpp"

namespace orvantis::base64 {

// Standard Base64 (RFC 4648 alphabet and "=" padding, no line breaks) of the single-byte
// (ANSI) codes of a text, which only the stored GoldMine password goes through.

// The Base64 text of bytes, for the pictures of the standards' files.
std::string Base64OfBytes(std::string_view bytes);

// The Base64 text of value's text form; empty text gives an empty variant.
Variant Base64Encode(const Variant& value);

// The single-byte code of the first character of text, 0 for empty text.
std::int32_t CharCodeOrZero(std::wstring_view text);

// The text whose single-byte codes value's Base64 text holds; empty text gives an empty
// variant. CR LF pairs, tabs and spaces are ignored; "=" may stand anywhere in a group of
// four and counts as a zero digit that shortens the group's output by one character.
// Raises (source "Base64Decode") 1 when the length is not a multiple of 4, 2 for a character
// outside the alphabet, 5 for a group of four "=".
Variant Base64Decode(const Variant& value);

}  // namespace orvantis::base64

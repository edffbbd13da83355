#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// True when the text holds a CR or an LF: such a value cannot stand on one vCard line.
bool HasLineBreak(std::wstring_view text);

// A vCard 2.1 property line "name:value" with the value's bytes (in whichever character set
// name declares) in quoted-printable form: every line break (CR LF, lone CR, lone LF) becomes "=0D=0A",
// "=", control and non-ASCII bytes become "=XX", and soft line breaks ("=" CR LF) keep each
// physical line within 76 characters; no continuation line starts with a blank and the value
// does not end in one. name carries the ENCODING parameter. No line end after the last line.
std::wstring QuotedPrintableLine(std::wstring_view name, std::string_view bytes);

}  // namespace orvantis

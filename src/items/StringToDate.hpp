#pragma once

#include <string_view>

#include "automation/Variant.hpp"

namespace orvantis {

// Reads the document's compact date-time text, yyyymmdd?hhnn[ss...], by character position:
// the separator and everything after the minutes are not examined, so seconds and a zone
// designator are ignored and the value is local time. A date without a time is midnight;
// a field cut short by the end of the text is refused rather than guessed.
// Anything that is not a valid date and time raises type mismatch (13).
DateValue StringToDate(std::wstring_view text);

}  // namespace orvantis

#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// Equal but for letter case, as automation compares member names and words.
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);
// The text that two texts equal ignoring case share, letter by letter: a key for looking them up.
std::wstring FoldCase(std::wstring_view text);

// The text with every occurrence of piece (exact, left to right, not overlapping) replaced.
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view piece,
                        std::wstring_view replacement);

}  // namespace orvantis

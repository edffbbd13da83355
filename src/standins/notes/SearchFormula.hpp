#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvantis::standins {

// The one formula that NotesDatabase.Search takes here: Item = "literal", blanks allowed
// around the "=" and the whole, a backslash inside the literal taking the next character as
// it is (so \" is a quote and \\ a backslash).
struct SearchFormula {
    std::wstring item;
    std::wstring literal;
};

// Empty when the text is not of that form.
std::optional<SearchFormula> ParseSearchFormula(std::wstring_view text);

}  // namespace orvantis::standins

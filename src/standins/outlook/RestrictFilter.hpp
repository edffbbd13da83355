#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvantis::standins {

// The one filter form that Items.Restrict takes here: [Name] = 'literal', blanks allowed
// around the "=", an apostrophe inside the literal written twice.
struct RestrictFilter {
    std::wstring property;
    std::wstring literal;
};

// Empty when the text is not of that form.
std::optional<RestrictFilter> ParseRestrictFilter(std::wstring_view text);

}  // namespace orvantis::standins

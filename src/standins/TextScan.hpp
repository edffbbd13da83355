#pragma once

#include <string_view>

namespace orvantis::standins {

// Reading a filter or a formula from its text, one piece at a time.

inline void SkipBlanks(std::wstring_view& text) {
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
}

// Takes the character when the text starts with it.
inline bool Take(std::wstring_view& text, wchar_t expected) {
    if (text.empty() || text.front() != expected) return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace orvantis::standins

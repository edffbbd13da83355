#include "standins/notes/SearchFormula.hpp"

#include <cwctype>

#include "standins/TextScan.hpp"

namespace orvantis::standins {
namespace {

bool IsNameCharacter(wchar_t c) {
    return std::iswalnum(c) || c == L'_' || c == L'$';
}

}  // namespace

std::optional<SearchFormula> ParseSearchFormula(std::wstring_view text) {
    SearchFormula formula;
    SkipBlanks(text);
    while (!text.empty() && IsNameCharacter(text.front())) {
        formula.item += text.front();
        text.remove_prefix(1);
    }
    if (formula.item.empty()) return std::nullopt;
    SkipBlanks(text);
    if (!Take(text, L'=')) return std::nullopt;
    SkipBlanks(text);
    if (!Take(text, L'"')) return std::nullopt;
    for (;;) {
        if (text.empty()) return std::nullopt;  // the literal never ends
        wchar_t c = text.front();
        text.remove_prefix(1);
        if (c == L'"') break;
        if (c == L'\\') {
            if (text.empty()) return std::nullopt;
            c = text.front();
            text.remove_prefix(1);
        }
        formula.literal += c;
    }
    SkipBlanks(text);
    if (!text.empty()) return std::nullopt;
    return formula;
}

}  // namespace orvantis::standins

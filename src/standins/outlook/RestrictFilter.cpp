#include "standins/outlook/RestrictFilter.hpp"

#include "standins/TextScan.hpp"

namespace orvantis::standins {

std::optional<RestrictFilter> ParseRestrictFilter(std::wstring_view text) {
    RestrictFilter filter;
    SkipBlanks(text);
    if (!Take(text, L'[')) return std::nullopt;
    const auto close = text.find(L']');
    if (close == 0 || close == std::wstring_view::npos) return std::nullopt;
    filter.property = text.substr(0, close);
    text.remove_prefix(close + 1);
    SkipBlanks(text);
    if (!Take(text, L'=')) return std::nullopt;
    SkipBlanks(text);
    if (!Take(text, L'\'')) return std::nullopt;
    for (;;) {
        if (text.empty()) return std::nullopt;  // the literal never ends
        const wchar_t c = text.front();
        text.remove_prefix(1);
        if (c == L'\'' && !Take(text, L'\'')) break;
        filter.literal += c;
    }
    SkipBlanks(text);
    if (!text.empty()) return std::nullopt;
    return filter;
}

}  // namespace orvantis::standins

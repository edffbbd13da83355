#include "automation/Text.hpp"

#include <algorithm>
#include <cwctype>

namespace orvantis {

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
    });
}

std::wstring FoldCase(std::wstring_view text) {
    std::wstring folded(text);
    for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return folded;
}

std::wstring ReplaceAll(std::wstring_view text, std::wstring_view piece,
                        std::wstring_view replacement) {
    std::wstring result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (auto found = text.find(piece); found != std::wstring_view::npos;
         found = text.find(piece, start)) {
        result.append(text, start, found - start).append(replacement);
        start = found + piece.size();
    }
    result.append(text, start);
    return result;
}

}  // namespace orvantis

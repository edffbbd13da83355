#include "platform/CommandLine.hpp"

namespace orvantis {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
    std::vector<std::wstring> words;
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return words;

    // The program name: quotes group, nothing is escaped.
    std::wstring program;
    bool quoted = false;
    for (; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (c == L'"') {
            quoted = !quoted;
        } else if (IsBlank(c) && !quoted) {
            break;
        } else {
            program += c;
        }
    }
    words.push_back(std::move(program));

    for (;;) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size()) break;
        std::wstring word;
        quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            if (line[i] == L'\\') {
                std::size_t backslashes = 0;
                while (i < line.size() && line[i] == L'\\') ++i, ++backslashes;
                if (i < line.size() && line[i] == L'"') {
                    word.append(backslashes / 2, L'\\');
                    if (backslashes % 2 == 1) {
                        word += L'"';
                        ++i;
                    }
                } else {
                    word.append(backslashes, L'\\');
                }
            } else if (line[i] == L'"') {
                if (quoted && i + 1 < line.size() && line[i + 1] == L'"') {
                    word += L'"';  // "" inside quotes stands for one quote
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::wstring QuoteArgument(std::wstring_view argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            // Backslashes before a quote are doubled, and the quote itself escaped.
            if (c == L'"') quoted.append(backslashes + 1, L'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, L'\\');  // so that they do not escape the closing quote
    return quoted + L'"';
}

std::wstring ExpandPercentVariables(
    std::wstring_view text,
    const std::function<std::optional<std::wstring>(const std::wstring& name)>& lookup) {
    std::wstring expanded;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto open = text.find(L'%', i);
        const auto close = open == std::wstring_view::npos ? open : text.find(L'%', open + 1);
        if (close == std::wstring_view::npos) break;
        expanded.append(text, i, open - i);
        const std::wstring name(text.substr(open + 1, close - open - 1));
        const auto value = name.empty() ? std::nullopt : lookup(name);
        if (value) {
            expanded += *value;
            i = close + 1;
        } else {
            expanded += L'%';
            expanded += name;
            i = close;
        }
    }
    expanded.append(text, i);
    return expanded;
}

}  // namespace orvantis

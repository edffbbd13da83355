#include "exports/QuotedPrintable.hpp"

#include <vector>

namespace orvantis {
namespace {

constexpr std::size_t kMaxLine = 76;
constexpr std::wstring_view kLineBreak = L"=0D=0A";
constexpr std::wstring_view kSoftBreak = L"=\r\n";

std::wstring Encoded(unsigned char byte) {
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    return {L'=', kHex[byte >> 4], kHex[byte & 15]};
}

bool IsBlank(std::wstring_view token) {
    return token == L" " || token == L"\t";
}

// The value as tokens that a soft break may not split: one character, "=XX" or "=0D=0A".
std::vector<std::wstring> Tokens(std::string_view bytes) {
    std::vector<std::wstring> tokens;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r' || byte == '\n') {
            if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            tokens.emplace_back(kLineBreak);
        } else if ((byte >= 33 && byte <= 126 && byte != '=') || byte == ' ' || byte == '\t') {
            tokens.emplace_back(1, static_cast<wchar_t>(byte));
        } else {
            tokens.push_back(Encoded(byte));
        }
    }
    return tokens;
}

}  // namespace

bool HasLineBreak(std::wstring_view text) {
    return text.find_first_of(L"\r\n") != text.npos;
}

std::wstring QuotedPrintableLine(std::wstring_view name, std::string_view bytes) {
    std::wstring result;
    std::wstring line = std::wstring(name) + L':';
    const std::vector<std::wstring> tokens = Tokens(bytes);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const bool last = i + 1 == tokens.size();
        std::wstring token = tokens[i];
        // A blank must not end the value (readers drop trailing blanks) nor open a continuation
        // line (vCard readers would take it for folding).
        if (IsBlank(token) && last) token = Encoded(static_cast<unsigned char>(token[0]));
        // One character stays free for the soft break unless the token ends the value.
        if (line.size() + token.size() > (last ? kMaxLine : kMaxLine - 1)) {
            result.append(line).append(kSoftBreak);
            line.clear();
            if (IsBlank(token)) token = Encoded(static_cast<unsigned char>(token[0]));
        }
        line += token;
    }
    return result + line;
}

}  // namespace orvantis

#include "FuzzEntries.hpp"

#include <type_traits>
#include <vector>

#include "exports/DesktopUtilities.hpp"
#include "exports/OExpressUtilities.hpp"

namespace orvantis::fuzz {
namespace {

constexpr wchar_t kValueSeparator = L'\x1E';

// The input's text cut at each separator gives the values of the properties, in slot order.
AgentContact ContactOf(const std::wstring& text) {
    AgentContact contact;
    std::size_t start = 0;
    for (const auto& property : AgentContact::kProperties) {
        if (start > text.size()) break;
        auto end = text.find(kValueSeparator, start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring value = text.substr(start, end - start);
        start = end + 1;
        std::visit(
            [&](auto field) {
                using Field = std::remove_reference_t<decltype(contact.*field)>;
                if constexpr (std::is_same_v<Field, std::wstring>) contact.*field = value;
                if constexpr (std::is_same_v<Field, Variant>) contact.*field = Variant(value);
            },
            property.field);
    }
    return contact;
}

std::vector<std::wstring> Lines(const std::wstring& card) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (auto end = card.find(L"\r\n"); end != std::wstring::npos; end = card.find(L"\r\n", start)) {
        lines.push_back(card.substr(start, end - start));
        start = end + 2;
    }
    if (start != card.size()) lines.push_back(card.substr(start));
    return lines;
}

bool IsPropertyName(std::wstring_view name) {
    if (name.empty()) return false;
    for (wchar_t c : name) {
        const bool allowed = (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' ||
                             c == L';' || c == L'=';
        if (!allowed) return false;
    }
    return name.front() >= L'A' && name.front() <= L'Z';
}

// The name of each property line in order; nothing when a line is neither a property nor a
// quoted-printable continuation.
std::optional<std::vector<std::wstring>> PropertyNames(const std::wstring& card,
                                                       std::string& broken) {
    std::vector<std::wstring> names;
    bool continues = false;  // the previous line ended in a quoted-printable soft break
    bool quoted = false;
    for (const auto& line : Lines(card)) {
        if (line.find_first_of(L"\r\n") != std::wstring::npos) {
            broken = "a line holds a raw line break";
            return std::nullopt;
        }
        if (!continues) {
            const auto colon = line.find(L':');
            const std::wstring_view name = std::wstring_view(line).substr(0, colon);
            if (colon == std::wstring::npos || !IsPropertyName(name)) {
                broken = "a line is neither a property nor a continuation";
                return std::nullopt;
            }
            names.emplace_back(name.substr(0, name.find(L';')));
            quoted = name.find(L"ENCODING=QUOTED-PRINTABLE") != std::wstring_view::npos;
        }
        if (quoted) {
            if (line.size() > 76) {
                broken = "a quoted-printable line is longer than 76 characters";
                return std::nullopt;
            }
            for (wchar_t c : line) {
                if ((c < 0x20 && c != L'\t') || c > 0x7E) {  // a tab may stand as it is
                    broken = "a quoted-printable line holds an unencoded character";
                    return std::nullopt;
                }
            }
        }
        continues = quoted && !line.empty() && line.back() == L'=';
    }
    if (continues) {
        broken = "the card ends inside a quoted-printable value";
        return std::nullopt;
    }
    return names;
}

std::optional<std::string> CheckCard(const AgentContact& contact) {
    const std::wstring card = OExpressUtilities::BuildOExpressCard(contact);
    if (!card.starts_with(L"BEGIN:VCARD\r\n")) return "the card does not start with BEGIN:VCARD";
    if (!card.ends_with(L"\r\nEND:VCARD") && !card.ends_with(L"\r\nEND:VCARD\r\n")) {
        return "the card does not end with END:VCARD";
    }
    std::string broken;
    const auto names = PropertyNames(card, broken);
    if (!names) return broken;
    static const auto expected = [] {
        std::string unused;
        return *PropertyNames(OExpressUtilities::BuildOExpressCard(AgentContact()), unused);
    }();
    if (*names != expected) return "a value added, removed or reordered the card's properties";
    return std::nullopt;
}

// Braces that open or close a group, as an RTF reader sees them: \{ \} \\ and \'hh are text.
std::pair<std::size_t, std::size_t> GroupBraces(std::wstring_view rtf) {
    std::size_t open = 0, close = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == L'\\' && i + 1 < rtf.size()) {
            const wchar_t next = rtf[i + 1];
            if (next == L'\\' || next == L'{' || next == L'}') ++i;
            if (next == L'\'') i += 3;
            continue;
        }
        if (rtf[i] == L'{') ++open;
        if (rtf[i] == L'}') ++close;
    }
    return {open, close};
}

std::optional<std::string> CheckRtf(const AgentContact& contact) {
    const std::wstring rtf = DesktopUtilities::BuildContactRtf(contact);
    for (wchar_t c : rtf) {
        if (c > 0x7F) return "a character outside ASCII reached the RTF unescaped";
    }
    static const auto empty = GroupBraces(DesktopUtilities::BuildContactRtf(AgentContact()));
    // Each line feed of the notes starts a paragraph: one group closed and one opened.
    std::size_t lineFeeds = 0;
    for (wchar_t c : contact.Notes) lineFeeds += c == L'\n';
    const auto braces = GroupBraces(rtf);
    if (braces.first != empty.first + lineFeeds || braces.second != empty.second + lineFeeds) {
        return "a brace from a value became RTF markup";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ContactExportsEntry(Bytes input) {
    const AgentContact contact = ContactOf(TextFromBytes(input));
    if (auto broken = CheckCard(contact)) return broken;
    return CheckRtf(contact);
}

}  // namespace orvantis::fuzz

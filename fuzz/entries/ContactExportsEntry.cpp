#include <algorithm>
#include <type_traits>
#include <vector>

#include "FuzzEntries.hpp"
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
        const auto end = std::min(text.find(kValueSeparator, start), text.size());
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

// Parameters included; a character set's name may hold "_" (SHIFT_JIS on a Japanese machine).
bool IsPropertyName(std::wstring_view name) {
    return !name.empty() && name.front() >= L'A' && name.front() <= L'Z' &&
           name.find_first_not_of(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_;=") == name.npos;
}

// A tab may stand as it is, but no blank may end a line: readers drop trailing blanks.
bool IsQuotedPrintableLine(std::wstring_view line) {
    return line.size() <= 76 && !line.ends_with(L' ') && !line.ends_with(L'\t') &&
           std::all_of(line.begin(), line.end(), [](wchar_t c) { return (c >= 0x20 && c <= 0x7E) || c == L'\t'; });
}

// Records the name of each property line in order; says what breaks the card's line structure.
std::optional<std::string> ReadPropertyNames(std::wstring_view card,
                                             std::vector<std::wstring>& names) {
    bool continues = false;  // the previous line ended in a quoted-printable soft break
    bool quoted = false;
    for (std::size_t start = 0, end = 0; start < card.size(); start = end + 2) {
        end = std::min(card.find(L"\r\n", start), card.size());
        const std::wstring_view line = card.substr(start, end - start);
        if (line.find_first_of(L"\r\n") != line.npos) return "a line holds a raw line break";
        // A blank opening a continuation would read as folding.
        if (continues && (line.starts_with(L' ') || line.starts_with(L'\t'))) {
            return "a quoted-printable continuation starts with a blank";
        }
        if (!continues) {
            const std::wstring_view name = line.substr(0, line.find(L':'));
            if (name.size() == line.size() || !IsPropertyName(name)) {
                return "a line is neither a property nor a continuation";
            }
            names.emplace_back(name.substr(0, name.find(L';')));
            quoted = name.find(L"ENCODING=QUOTED-PRINTABLE") != name.npos;
        }
        if (quoted && !IsQuotedPrintableLine(line)) {
            return "a quoted-printable line is too long or holds an unencoded character";
        }
        continues = quoted && line.ends_with(L'=');
    }
    if (continues) return "the card ends inside a quoted-printable value";
    return std::nullopt;
}

std::optional<std::string> CheckCard(const AgentContact& contact) {
    const std::wstring card = OExpressUtilities::BuildOExpressCard(contact);
    if (!card.starts_with(L"BEGIN:VCARD\r\n") ||
        !(card.ends_with(L"\r\nEND:VCARD") || card.ends_with(L"\r\nEND:VCARD\r\n"))) {
        return "the card does not run from BEGIN:VCARD to END:VCARD";
    }
    static const auto expected = [] {
        std::vector<std::wstring> names;
        ReadPropertyNames(OExpressUtilities::BuildOExpressCard(AgentContact()), names);
        return names;
    }();
    std::vector<std::wstring> names;
    if (auto broken = ReadPropertyNames(card, names)) return broken;
    if (names != expected) return "a value added, removed or reordered the card's properties";
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
        } else {
            open += rtf[i] == L'{';
            close += rtf[i] == L'}';
        }
    }
    return {open, close};
}

// LF, CR LF and a lone CR, each one break.
std::size_t LineBreaks(std::wstring_view value) {
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == L'\r' && i + 1 < value.size() && value[i + 1] == L'\n') ++i;
        breaks += value[i] == L'\r' || value[i] == L'\n';
    }
    return breaks;
}

std::optional<std::string> CheckRtf(const AgentContact& contact) {
    const std::wstring rtf = DesktopUtilities::BuildContactRtf(contact);
    if (!std::all_of(rtf.begin(), rtf.end(), [](wchar_t c) { return c <= 0x7F; })) {
        return "a character outside ASCII reached the RTF unescaped";
    }
    static const auto empty = GroupBraces(DesktopUtilities::BuildContactRtf(AgentContact()));
    // Each line break of a value starts a paragraph: one group closed and one opened.
    std::size_t breaks = 0;
    for (const auto& value : DesktopUtilities::ContactNoteValues(contact)) {
        breaks += LineBreaks(value);
    }
    if (GroupBraces(rtf) != std::pair{empty.first + breaks, empty.second + breaks}) {
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

#include "standins/WorldListing.hpp"

#include <cwchar>

#include "automation/Unicode.hpp"

namespace orvantis::standins {
namespace {

constexpr std::size_t kShortValue = 60;

bool IsBidiControl(wchar_t c) {
    return c == L'\u061C' || c == L'\u200E' || c == L'\u200F' || (c >= L'\u202A' && c <= L'\u202E') ||
           (c >= L'\u2066' && c <= L'\u2069');
}

// Text as a terminal shows it: a bidirectional control (U+202E, ...) would reorder the rest
// of the line, so it is written as \uXXXX, and other controls as the shell's escapes.
std::string Printable(std::wstring_view text) {
    std::wstring shown;
    for (const wchar_t c : EscapeControlCharacters(text)) {
        if (!IsBidiControl(c)) {
            shown += c;
            continue;
        }
        wchar_t code[8];
        std::swprintf(code, 8, L"\\u%04X", static_cast<unsigned>(c));
        shown += code;
    }
    return Utf8FromWide(shown);
}

std::string Shown(const Field& field, const ValueShown& product) {
    if (const auto* productValue = field.ProductValue()) {
        if (product) {
            if (auto text = product(*productValue)) return *text;
        }
        std::string json = productValue->dump();
        if (json.size() > kShortValue) json = json.substr(0, kShortValue) + "...";
        return json;
    }
    const Variant value = field.Value();
    if (const std::wstring* text = value.TextIf()) {
        return Quoted(*text);
    }
    return value.IsEmpty() ? "(empty)" : Utf8FromWide(value.ToText());
}

void List(const Container& container, int depth, const ValueShown& shown, std::string& out) {
    const std::string indent(2 * static_cast<std::size_t>(depth), ' ');
    out += indent + Printable(container.name);
    for (std::size_t i = 0; i < container.attributes.size(); ++i) {
        const Field& attribute = container.attributes[i];
        out += (i == 0 ? "  [" : ", ") + Printable(attribute.name) + " " + Shown(attribute, shown);
    }
    out += container.attributes.empty() ? "\n" : "]\n";
    for (const auto& item : container.items) {
        out += indent + "  - " + Printable(item.kind) + "\n";
        for (const auto& field : item.fields) {
            out += indent + "      " + Printable(field.name) + ": " + Shown(field, shown) + "\n";
        }
    }
    for (const auto& child : container.containers) List(child, depth + 1, shown, out);
}

}  // namespace

std::string ListContainers(const std::vector<Container>& containers, int depth,
                           const ValueShown& shown) {
    std::string out;
    for (const auto& container : containers) List(container, depth, shown, out);
    return out;
}

std::string Quoted(std::wstring_view text) {
    const std::string json = nlohmann::ordered_json(Utf8FromWide(text)).dump();
    return Printable(WideFromUtf8(json).value_or(L"?"));
}

}  // namespace orvantis::standins

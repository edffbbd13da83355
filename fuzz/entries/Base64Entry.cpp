#include "FuzzEntries.hpp"

#include "automation/AutomationError.hpp"
#include "platform/CodePage.hpp"
#include "support/base64.hpp"

namespace orvantis::fuzz {
namespace {

bool IsBase64Text(std::wstring_view text) {
    constexpr std::wstring_view kAlphabet =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const auto padding = text.find(L'=');
    const auto digits = text.substr(0, padding);
    const auto pads = padding == std::wstring_view::npos ? 0 : text.size() - padding;
    return text.size() % 4 == 0 && pads <= 2 &&
           digits.find_first_not_of(kAlphabet) == std::wstring_view::npos &&
           text.substr(digits.size()).find_first_not_of(L'=') == std::wstring_view::npos;
}

// Encoding the text and decoding that gives back the text's single-byte codes.
std::optional<std::string> CheckRoundTrip(const std::wstring& text) {
    const Variant encoded = base64::Base64Encode(Variant(text));
    if (encoded.IsEmpty()) {
        if (!text.empty()) return "a non-empty text encoded to nothing";
        return std::nullopt;
    }
    if (!encoded.TextIf() || !IsBase64Text(*encoded.TextIf())) return "the encoding is not Base64";
    if (encoded.TextIf()->size() != (ToAnsi(text).size() + 2) / 3 * 4) {
        return "the encoding has the wrong length";
    }
    const Variant decoded = base64::Base64Decode(encoded);
    if (ToAnsi(decoded.ToText()) != ToAnsi(text)) return "decoding the encoding lost characters";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Base64Entry(Bytes input) {
    const std::wstring text = TextFromBytes(input);
    if (auto broken = CheckRoundTrip(text)) return broken;

    // Any text decodes, or fails with one of the decoder's own errors.
    Variant decoded;
    try {
        decoded = base64::Base64Decode(Variant(text));
    } catch (const AutomationError& error) {
        const auto number = error.Number();
        if (number != 1 && number != 2 && number != 5) return "decoding failed with another error";
        return std::nullopt;
    }
    if (!decoded.IsEmpty() && !decoded.TextIf()) return "decoding gave something other than text";
    return CheckRoundTrip(decoded.ToText());
}

}  // namespace orvantis::fuzz

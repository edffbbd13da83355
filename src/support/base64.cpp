#include "support/base64.hpp"

#include <string>

#include "automation/AutomationError.hpp"
#include "automation/Text.hpp"
#include "platform/CodePage.hpp"

namespace orvantis::base64 {
namespace {

constexpr std::wstring_view kAlphabet =
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr wchar_t kPad = L'=';
constexpr std::wstring_view kSource = L"Base64Decode";

[[noreturn]] void RaiseDecodeError(std::int32_t number, std::wstring description) {
    throw AutomationError(number, std::wstring(kSource), std::move(description));
}

// The removals run one after the other, so "\r \n" keeps its CR LF once the space is gone.
std::wstring WithoutLineBreaksAndBlanks(std::wstring_view text) {
    return ReplaceAll(ReplaceAll(ReplaceAll(text, L"\r\n", L""), L"\t", L""), L" ", L"");
}

std::uint32_t DigitOf(wchar_t c) {
    const auto position = kAlphabet.find(c);
    if (position == std::wstring_view::npos) {
        RaiseDecodeError(2, L"Bad character In Base64 string.");
    }
    return static_cast<std::uint32_t>(position);
}

}  // namespace

std::int32_t CharCodeOrZero(std::wstring_view text) {
    if (text.empty()) return 0;
    return static_cast<unsigned char>(ToAnsi(text.substr(0, 1)).front());
}

std::string Base64OfBytes(std::string_view bytes) {
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        auto code = [&](std::size_t at) -> std::uint32_t {
            return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0;
        };
        const std::uint32_t number = code(i) << 16 | code(i + 1) << 8 | code(i + 2);
        for (int shift = 18; shift >= 0; shift -= 6) {
            encoded += static_cast<char>(kAlphabet[number >> shift & 63]);
        }
    }
    const std::size_t padding = (3 - bytes.size() % 3) % 3;
    encoded.replace(encoded.size() - padding, padding, padding, static_cast<char>(kPad));
    return encoded;
}

Variant Base64Encode(const Variant& value) {
    const std::string bytes = ToAnsi(value.ToText());
    if (bytes.empty()) return {};
    const std::string encoded = Base64OfBytes(bytes);
    return Variant(std::wstring(encoded.begin(), encoded.end()));
}

Variant Base64Decode(const Variant& value) {
    const std::wstring text = WithoutLineBreaksAndBlanks(value.ToText());
    if (text.size() % 4 != 0) RaiseDecodeError(1, L"Bad Base64 string.");
    if (text.empty()) return {};
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (std::size_t group = 0; group < text.size(); group += 4) {
        int count = 3;
        std::uint32_t number = 0;
        for (std::size_t i = group; i < group + 4; ++i) {
            std::uint32_t digit = 0;
            if (text[i] == kPad) {
                --count;
            } else {
                digit = DigitOf(text[i]);
            }
            number = number << 6 | digit;
        }
        if (count < 0) {
            throw AutomationError(errors::kInvalidArgument, std::wstring(kSource),
                                  StandardDescription(errors::kInvalidArgument));
        }
        const char decoded[] = {static_cast<char>(number >> 16), static_cast<char>(number >> 8),
                                static_cast<char>(number)};
        bytes.append(decoded, static_cast<std::size_t>(count));
    }
    return Variant(FromAnsi(bytes));
}

}  // namespace orvantis::base64

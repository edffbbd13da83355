#include "support/PictureBytes.hpp"

#include <optional>

namespace orvantis {
namespace {

std::optional<int> HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return std::nullopt;
}

}  // namespace

std::string PictureBytes(std::wstring_view hex) {
    std::string bytes;
    bytes.reserve(hex.size() / 2 + 1);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const auto piece = hex.substr(i, 2);
        int value = 0;
        bool valid = true;
        for (wchar_t c : piece) {
            const auto digit = HexDigit(c);
            valid = valid && digit.has_value();
            value = value * 16 + digit.value_or(0);
        }
        if (valid) bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

}  // namespace orvantis

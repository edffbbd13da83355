#include "cli/DocumentFile.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "automation/Unicode.hpp"

namespace orvantis::cli {

std::optional<std::wstring> DecodeDocument(std::string_view bytes) {
    auto startsWith = [&](std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; };
    if (startsWith("\xEF\xBB\xBF")) return WideFromUtf8(bytes.substr(3));
    const bool littleEndian = startsWith("\xFF\xFE");
    if (!littleEndian && !startsWith("\xFE\xFF")) return WideFromUtf8(bytes);

    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(littleEndian ? first | second << 8 : second | first << 8);
    }
    return WideFromUtf16(units);
}

std::optional<std::string> ReadAllBytes(const std::string& path) {
    std::ostringstream content;
    if (path == "-") {
        content << std::cin.rdbuf();
        if (std::cin.bad()) return std::nullopt;
        return content.str();
    }
    // A folder opens like a file on some systems and then reads as nothing.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    content << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return content.str();
}

}  // namespace orvantis::cli

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvantis::cli {

// A document's bytes decoded: UTF-8 (with or without a BOM), or UTF-16 with a BOM.
// Empty when the bytes are not valid in that encoding.
std::optional<std::wstring> DecodeDocument(std::string_view bytes);

// Reads a file, or standard input for "-". Empty when it cannot be read.
std::optional<std::string> ReadAllBytes(const std::string& path);

}  // namespace orvantis::cli

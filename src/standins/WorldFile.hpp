#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "standins/WorldData.hpp"

namespace orvantis::standins {

// A world file that is well-formed JSON but not a world the product can hold.
struct DamagedWorld : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads `file` and hands its world to `accept`, which raises DamagedWorld for what the
// product cannot hold; returns the file's text, nothing when the file does not exist. A file
// that is not a world, or that `accept` refuses, raises 321 naming it.
std::optional<std::string> ReadWorldFile(const std::filesystem::path& file,
                                         const std::function<void(const WorldData&)>& accept);

// Replaces `file` with the world so that a crash leaves the old or the new world, never half
// of one; 75 with the system's reason when it cannot.
void WriteWorldFile(const std::filesystem::path& file, const WorldData& world);

// The file form of a world, as WriteWorldFile writes it.
std::string WorldText(const WorldData& world);

// Text of the system, as JSON strings hold it; DamagedWorld for a string that is not UTF-8.
std::string JsonText(std::wstring_view text);
std::wstring TextOf(const nlohmann::ordered_json& string);

std::wstring PathText(const std::filesystem::path& path);
// The path a product's caller names, whatever the C library's locale.
std::filesystem::path PathOf(std::wstring_view text);

// The bytes of a file a product reads during a call (a picture, an attachment); empty when it
// cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
// Bytes as the world files keep them: lower-case hexadecimal pairs.
std::string HexOf(std::string_view bytes);

}  // namespace orvantis::standins

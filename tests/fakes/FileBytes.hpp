#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvantis::test {

// A file's bytes as they stand; none for a file that cannot be read.
inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace orvantis::test

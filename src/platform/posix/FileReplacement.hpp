#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace orvantis {

// Why a file could not be replaced: the system's error number and the path it concerns (the
// folder when no new file could be made there, or the rename could not be made to last).
struct ReplaceFailure {
    int error;
    std::filesystem::path path;
};

// Replaces `file` with `bytes` so that a crash at any moment leaves the old content or the
// new: they go to a new file beside it, flushed to the disk and renamed over it, and the
// folder is flushed so that the rename is kept. On failure the new file is gone.
std::optional<ReplaceFailure> ReplaceFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace orvantis

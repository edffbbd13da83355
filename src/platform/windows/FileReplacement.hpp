#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace orvantis::windows {

// The error of the first write that fails, ERROR_SUCCESS when all were written.
DWORD WriteAll(HANDLE file, std::string_view bytes);

// Why a file could not be replaced: the system's error and the path it concerns (the folder
// when no new file could be made there).
struct ReplaceFailure {
    DWORD error;
    std::wstring path;
};

// Replaces `file` with `bytes` so that a crash at any moment leaves the old content or the
// new: they go to a new file beside it, flushed to the disk and moved over it. On failure
// the new file is gone.
std::optional<ReplaceFailure> ReplaceFile(const std::wstring& file, std::string_view bytes);

}  // namespace orvantis::windows

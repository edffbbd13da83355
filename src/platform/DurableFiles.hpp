#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

namespace orvantis {

// Port: files that a crash or a second process must not damage.

// Replaces `file` with `bytes` so that a crash at any moment leaves either the old or the new
// content: they are written to a new file beside it, flushed to the disk and renamed over it.
// Raises 75 naming the file and the system's reason (a read-only folder, a full disk, ...);
// the old content is then untouched.
void ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes);

// An exclusive lock that other processes asking for the same file wait for; released when
// the object goes, or by the system when the process ends however it ends.
class FileLock {
public:
    virtual ~FileLock() = default;
};

// Locks `file`, created when missing. When another process holds it, `waiting` is called
// once before this waits for it. Raises 75 with the system's reason when it cannot lock.
std::unique_ptr<FileLock> LockFile(const std::filesystem::path& file,
                                   const std::function<void()>& waiting);

}  // namespace orvantis

#include "platform/DurableFiles.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "platform/posix/Descriptor.hpp"

namespace orvantis {
namespace {

// The path's bytes as the user typed them, whatever the locale.
std::wstring Shown(const std::filesystem::path& path) {
    return WideFromUtf8(path.native()).value_or(L"?");
}

[[noreturn]] void Raise(const std::filesystem::path& path, int error) {
    throw AutomationError::Standard(
        errors::kPathFileAccess,
        Shown(path) + L": " + WideFromUtf8(std::strerror(error)).value_or(L"system error"));
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class FlockLock : public FileLock {
public:
    explicit FlockLock(int fd) : descriptor_(fd) {}

private:
    Descriptor descriptor_;  // closing it releases the lock
};

}  // namespace

void ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) {
    std::string temporary = file.native() + ".XXXXXX";
    Descriptor out(mkstemp(temporary.data()));
    if (out.Get() < 0) Raise(file, errno);
    const bool written = WriteAll(out.Get(), bytes) && fsync(out.Get()) == 0;
    const int error = errno;
    if (out.Close() != 0 || !written || rename(temporary.c_str(), file.c_str()) != 0) {
        const int cause = written ? errno : error;
        unlink(temporary.c_str());
        Raise(file, cause);
    }
    // The rename itself is kept only once the folder that holds the name is on the disk.
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    Descriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0 || fsync(directory.Get()) != 0) Raise(folder, errno);
}

std::unique_ptr<FileLock> LockFile(const std::filesystem::path& file,
                                   const std::function<void()>& waiting) {
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) Raise(file, errno);
    auto lock = std::make_unique<FlockLock>(fd);
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return lock;
    if (errno != EWOULDBLOCK) Raise(file, errno);
    waiting();
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) Raise(file, errno);
    }
    return lock;
}

}  // namespace orvantis

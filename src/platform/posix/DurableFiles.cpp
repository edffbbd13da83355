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
#include "platform/posix/FileReplacement.hpp"

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

class FlockLock : public FileLock {
public:
    explicit FlockLock(int fd) : descriptor_(fd) {}

private:
    Descriptor descriptor_;  // closing it releases the lock
};

}  // namespace

void ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) {
    if (const auto failure = ReplaceFile(file, bytes)) Raise(failure->path, failure->error);
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

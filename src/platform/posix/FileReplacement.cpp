#include "platform/posix/FileReplacement.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/posix/Descriptor.hpp"

namespace orvantis {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<ReplaceFailure> ReplaceFile(const std::filesystem::path& file, std::string_view bytes) {
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    // Hidden, so that one a crash leaves behind does not show among the user's files.
    std::string temporary = (folder / ("." + file.filename().native() + ".XXXXXX")).native();
    Descriptor out(mkstemp(temporary.data()));
    if (out.Get() < 0) return ReplaceFailure{errno, folder};
    const bool written = WriteAll(out.Get(), bytes) && fsync(out.Get()) == 0;
    const int error = errno;
    if (out.Close() != 0 || !written || std::rename(temporary.c_str(), file.c_str()) != 0) {
        const int cause = written ? errno : error;
        unlink(temporary.c_str());
        return ReplaceFailure{cause, file};
    }
    Descriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0 || fsync(directory.Get()) != 0) return ReplaceFailure{errno, folder};
    return std::nullopt;
}

}  // namespace orvantis

#include "platform/posix/NativeFiles.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "platform/posix/ErrnoFailure.hpp"
#include "platform/posix/FileReplacement.hpp"
#include "platform/posix/Owned.hpp"

namespace orvantis {
namespace {

std::string Native(const std::wstring& path) { return Utf8FromWide(path); }

[[noreturn]] void RaiseFileError(int error, const std::wstring& path) {
    throw AutomationError::Standard(FileErrorNumber(FailureOfErrno(error)), path);
}

// A name for mkstemps or mkdtemp in the temporary folder.
std::string TemporaryPattern() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    if (error) RaiseFileError(error.value(), L"temporary folder");
    return (folder / "orvantis-XXXXXX").string();
}

}  // namespace

void NativeFiles::WriteBytes(const std::wstring& path, std::string_view bytes) {
    const Owned<std::FILE, std::fclose> file(std::fopen(Native(path).c_str(), "wb"));
    if (!file) RaiseFileError(errno, path);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
        std::fflush(file.get()) != 0) {
        RaiseFileError(errno, path);
    }
}

void NativeFiles::WriteFileWhole(const std::wstring& path, std::string_view bytes) {
    if (const auto failure = ReplaceFile(Native(path), bytes)) {
        RaiseFileError(failure->error, WideFromUtf8(failure->path.native()).value_or(path));
    }
}

void NativeFiles::Delete(const std::wstring& path) {
    if (std::remove(Native(path).c_str()) != 0) {
        if (errno == ENOENT) throw AutomationError::Standard(errors::kFileNotFound, path);
        RaiseFileError(errno, path);
    }
}

std::wstring NativeFiles::CreateUniqueTemporaryFile(std::wstring_view extension) {
    std::string pattern = TemporaryPattern() + Utf8FromWide(extension);
    const int descriptor = mkstemps(pattern.data(), static_cast<int>(Utf8FromWide(extension).size()));
    if (descriptor < 0) RaiseFileError(errno, WideFromUtf8(pattern).value_or(L""));
    close(descriptor);
    return WideFromUtf8(pattern).value_or(std::wstring());
}

std::wstring NativeFiles::CreateUniqueTemporaryFolder() {
    std::string pattern = TemporaryPattern();
    // mkdtemp makes the folder for its owner alone (0700).
    if (!mkdtemp(pattern.data())) RaiseFileError(errno, WideFromUtf8(pattern).value_or(L""));
    return WideFromUtf8(pattern + "/").value_or(std::wstring());
}

void NativeFiles::DeleteFolder(const std::wstring& path) {
    if (rmdir(Native(path).c_str()) != 0) RaiseFileError(errno, path);
}

}  // namespace orvantis

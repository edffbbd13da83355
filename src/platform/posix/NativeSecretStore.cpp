#include "platform/posix/NativeSecretStore.hpp"

#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "platform/posix/Descriptor.hpp"
#include "platform/posix/ErrnoFailure.hpp"
#include "platform/posix/GLibErrors.hpp"
#include "platform/posix/XdgFolders.hpp"

namespace orvantis {
namespace {

std::wstring Shown(const std::filesystem::path& path) {
    return WideFromUtf8(path.native()).value_or(L"the secret's file");
}

[[noreturn]] void RaiseErrno(int error, const std::filesystem::path& path) {
    throw AutomationError::Standard(
        FileErrorNumber(FailureOfErrno(error)),
        Shown(path) + L": " + WideFromUtf8(std::strerror(error)).value_or(L"system error"));
}

// A name becomes a file name: nothing that could leave the folder or hide the file. Empty
// when there is no folder for the secrets.
std::filesystem::path FileOf(const std::wstring& name) {
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
               c == L'_' || c == L'-';
    });
    if (!plain) throw AutomationError::Standard(errors::kInvalidArgument, L"secret name " + name);
    const auto folder = NativeSecretStore::Folder();
    return folder.empty() ? folder : folder / Utf8FromWide(name);
}

// Only the owner may open a secret: a copy others could read is no longer a secret, and one
// others could write may have been replaced.
void RequirePrivate(const struct stat& info, const std::filesystem::path& file) {
    if (info.st_uid != geteuid()) {
        throw AutomationError::Standard(
            errors::kPermissionDenied,
            Shown(file) + L" belongs to another user; remove it and save the password again");
    }
    if ((info.st_mode & 077) != 0) {
        throw AutomationError::Standard(
            errors::kPermissionDenied, Shown(file) + L" can be opened by other users; make it "
                                                     L"private with: chmod 600 " + Shown(file));
    }
}

std::string ReadAll(int fd, const std::filesystem::path& file) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) RaiseErrno(errno, file);
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// The folder, made for its owner alone; one made wider by someone is narrowed again, one of
// another user refused.
void PrepareFolder(const std::filesystem::path& folder) {
    if (g_mkdir_with_parents(folder.c_str(), 0700) != 0) RaiseErrno(errno, folder);
    const Descriptor opened(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (opened.Get() < 0 || fstat(opened.Get(), &info) != 0) RaiseErrno(errno, folder);
    if (info.st_uid != geteuid()) {
        throw AutomationError::Standard(errors::kPermissionDenied,
                                        Shown(folder) + L" belongs to another user");
    }
    if ((info.st_mode & 077) != 0 && fchmod(opened.Get(), 0700) != 0) RaiseErrno(errno, folder);
}

}  // namespace

std::filesystem::path NativeSecretStore::Folder() {
    const auto config = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
    return config.empty() ? config : config / "Orvantis" / "secrets";
}

std::optional<std::wstring> NativeSecretStore::Read(const std::wstring& name) {
    const auto file = FileOf(name);
    if (file.empty()) return std::nullopt;
    const Descriptor opened(open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (opened.Get() < 0) {
        if (errno == ENOENT) return std::nullopt;
        RaiseErrno(errno, file);
    }
    // Checked on the file opened, not on the name, which could be replaced in between.
    struct stat info {};
    if (fstat(opened.Get(), &info) != 0) RaiseErrno(errno, file);
    if (!S_ISREG(info.st_mode)) {
        throw AutomationError::Standard(errors::kPathFileAccess, Shown(file) + L" is not a file");
    }
    RequirePrivate(info, file);
    auto secret = WideFromUtf8(ReadAll(opened.Get(), file));
    if (!secret) {
        throw AutomationError::Standard(errors::kInvalidFileFormat, Shown(file) + L" is not UTF-8");
    }
    return secret;
}

void NativeSecretStore::Write(const std::wstring& name, const std::wstring& secret) {
    const auto file = FileOf(name);
    if (file.empty()) {
        throw AutomationError::Standard(errors::kPathNotFound,
                                        L"no folder for the secrets (HOME is not set)");
    }
    PrepareFolder(file.parent_path());
    const std::string bytes = Utf8FromWide(secret);
    // A new file made 0600 from its creation and renamed over the old one: there is never a
    // moment when others could open it, nor a half-written secret.
    ErrorSlot error;
    if (!g_file_set_contents_full(file.c_str(), bytes.data(), static_cast<gssize>(bytes.size()),
                                  G_FILE_SET_CONTENTS_CONSISTENT, 0600, error.Out())) {
        RaiseGLibError(*error, Shown(file));
    }
}

SecretStore& SystemSecrets() {
    static NativeSecretStore store;
    return store;
}

}  // namespace orvantis

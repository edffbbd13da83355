#include "platform/DurableFiles.hpp"

#include <string>

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/FileReplacement.hpp"

namespace orvantis {
namespace {

using windows::OwnedHandle;

// The system's own words for the error, without the line break it ends with.
std::wstring Reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"system error " + std::to_wstring(error);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
    return reason;
}

[[noreturn]] void Raise(const std::filesystem::path& path, DWORD error) {
    throw AutomationError::Standard(errors::kPathFileAccess, path.native() + L": " + Reason(error));
}

class HandleLock : public FileLock {
public:
    explicit HandleLock(HANDLE file) : file_(file) {}

private:
    OwnedHandle file_;  // closing it releases the lock
};

}  // namespace

void ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) {
    if (const auto failure = windows::ReplaceFile(file.native(), bytes)) Raise(failure->path, failure->error);
}

std::unique_ptr<FileLock> LockFile(const std::filesystem::path& file,
                                   const std::function<void()>& waiting) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) Raise(file, GetLastError());
    auto lock = std::make_unique<HandleLock>(handle);
    OVERLAPPED whole = {};
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        return lock;
    }
    if (GetLastError() != ERROR_LOCK_VIOLATION) Raise(file, GetLastError());
    waiting();
    whole = {};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) Raise(file, GetLastError());
    return lock;
}

}  // namespace orvantis

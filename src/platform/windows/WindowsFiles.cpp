#include "platform/windows/WindowsFiles.hpp"

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/Win32Failure.hpp"

namespace orvantis::windows {
namespace {

[[noreturn]] void RaiseFileError(DWORD error, const std::wstring& path) {
    throw AutomationError::Standard(FileErrorNumber(FailureOfWin32(error)), path);
}

}  // namespace

void WindowsFiles::WriteBytes(const std::wstring& path, std::string_view bytes) {
    const OwnedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) RaiseFileError(GetLastError(), path);
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
            RaiseFileError(GetLastError(), path);
        }
        bytes.remove_prefix(written);
    }
}

void WindowsFiles::Delete(const std::wstring& path) {
    if (!DeleteFileW(path.c_str())) RaiseFileError(GetLastError(), path);
}

std::wstring WindowsFiles::CreateUniqueTemporaryFile(std::wstring_view extension) {
    wchar_t folder[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, folder) == 0) RaiseFileError(GetLastError(), L"temporary folder");
    // CREATE_NEW makes the name ours alone; a clash just tries the next number.
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (DWORD attempt = 0; attempt < 10000; ++attempt) {
        wchar_t name[32];
        swprintf(name, 32, L"orv%08lX", static_cast<unsigned long>(seed + attempt));
        const std::wstring path = folder + std::wstring(name) + std::wstring(extension);
        const OwnedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Get() != INVALID_HANDLE_VALUE) return path;
        if (GetLastError() != ERROR_FILE_EXISTS) RaiseFileError(GetLastError(), path);
    }
    RaiseFileError(ERROR_FILE_EXISTS, folder);
}

}  // namespace orvantis::windows

#include "platform/windows/NativeFiles.hpp"

#include "automation/AutomationError.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/FileReplacement.hpp"
#include "platform/windows/Win32Failure.hpp"

namespace orvantis::windows {
namespace {

[[noreturn]] void RaiseFileError(DWORD error, const std::wstring& path) {
    throw AutomationError::Standard(FileErrorNumber(FailureOfWin32(error)), path);
}

// Creates a new file or folder in the temporary folder under the first free name; `create`
// fails with ERROR_FILE_EXISTS or ERROR_ALREADY_EXISTS when the name is taken, and a clash
// just tries the next number.
template <class Create>
std::wstring CreateUniquelyNamed(std::wstring_view suffix, Create create) {
    wchar_t folder[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, folder) == 0) RaiseFileError(GetLastError(), L"temporary folder");
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (DWORD attempt = 0; attempt < 10000; ++attempt) {
        wchar_t name[32];
        swprintf(name, 32, L"orv%08lX", static_cast<unsigned long>(seed + attempt));
        const std::wstring path = folder + std::wstring(name) + std::wstring(suffix);
        if (create(path)) return path;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) RaiseFileError(error, path);
    }
    RaiseFileError(ERROR_FILE_EXISTS, folder);
}

}  // namespace

void NativeFiles::WriteBytes(const std::wstring& path, std::string_view bytes) {
    const OwnedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) RaiseFileError(GetLastError(), path);
    if (const DWORD error = WriteAll(file.Get(), bytes)) RaiseFileError(error, path);
}

void NativeFiles::WriteFileWhole(const std::wstring& path, std::string_view bytes) {
    if (const auto failure = ReplaceFile(path, bytes)) RaiseFileError(failure->error, failure->path);
}

void NativeFiles::Delete(const std::wstring& path) {
    if (!DeleteFileW(path.c_str())) RaiseFileError(GetLastError(), path);
}

std::wstring NativeFiles::CreateUniqueTemporaryFile(std::wstring_view extension) {
    return CreateUniquelyNamed(extension, [](const std::wstring& path) {
        const OwnedHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        return file.Get() != INVALID_HANDLE_VALUE;
    });
}

std::wstring NativeFiles::CreateUniqueTemporaryFolder() {
    // The user's temporary folder is private to the user already; the new folder inherits that.
    return CreateUniquelyNamed(L"", [](const std::wstring& path) {
               return CreateDirectoryW(path.c_str(), nullptr) != 0;
           }) + L"\\";
}

void NativeFiles::DeleteFolder(const std::wstring& path) {
    if (!RemoveDirectoryW(path.c_str())) RaiseFileError(GetLastError(), path);
}

}  // namespace orvantis::windows

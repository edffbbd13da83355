#include "platform/windows/FileReplacement.hpp"

#include <algorithm>

#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {

DWORD WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return GetLastError();
        }
        bytes.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

std::optional<ReplaceFailure> ReplaceFile(const std::wstring& file, std::string_view bytes) {
    // Named for this process, so that two writers never share one.
    const std::wstring temporary = file + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    DWORD error = ERROR_SUCCESS;
    {
        const OwnedHandle out(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (out.Get() == INVALID_HANDLE_VALUE) {
            const auto end = file.find_last_of(L"\\/");
            return ReplaceFailure{GetLastError(), end == std::wstring::npos ? file : file.substr(0, end)};
        }
        error = WriteAll(out.Get(), bytes);
        if (!error && !FlushFileBuffers(out.Get())) error = GetLastError();
    }
    if (!error && !MoveFileExW(temporary.c_str(), file.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
    }
    if (!error) return std::nullopt;
    DeleteFileW(temporary.c_str());
    return ReplaceFailure{error, file};
}

}  // namespace orvantis::windows

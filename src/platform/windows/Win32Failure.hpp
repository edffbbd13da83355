#pragma once

#include "platform/SystemFailure.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

// A Win32 error code sorted for the numbers that the system reports.
constexpr SystemFailure FailureOfWin32(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return SystemFailure::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_NAME: return SystemFailure::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_WRITE_PROTECT: return SystemFailure::AccessDenied;
        default: return SystemFailure::Other;
    }
}

}  // namespace orvantis::windows

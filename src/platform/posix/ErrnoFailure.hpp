#pragma once

#include <cerrno>

#include "platform/SystemFailure.hpp"

namespace orvantis {

// An errno value sorted for the numbers that the system reports. ENOENT names a missing
// folder when creating a file; a caller that deletes or starts one knows better.
constexpr SystemFailure FailureOfErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: return SystemFailure::PathNotFound;
        case EACCES:
        case EPERM:
        case EROFS: return SystemFailure::AccessDenied;
        default: return SystemFailure::Other;
    }
}

}  // namespace orvantis

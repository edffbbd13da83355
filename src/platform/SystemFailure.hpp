#pragma once

#include <cstdint>

#include "automation/AutomationError.hpp"

namespace orvantis {

// What the system said went wrong, as each adapter sorts its own error codes; the automation
// numbers for it are chosen here, once for every platform.
enum class SystemFailure { FileNotFound, PathNotFound, AccessDenied, Other };

// A file that could not be created, written or deleted.
constexpr std::int32_t FileErrorNumber(SystemFailure failure) {
    switch (failure) {
        case SystemFailure::FileNotFound: return errors::kFileNotFound;
        case SystemFailure::AccessDenied: return errors::kPermissionDenied;
        case SystemFailure::PathNotFound:
        case SystemFailure::Other: break;
    }
    return errors::kPathNotFound;
}

// A program that could not be started.
constexpr std::int32_t ProgramErrorNumber(SystemFailure failure) {
    switch (failure) {
        case SystemFailure::FileNotFound:
        case SystemFailure::PathNotFound: return errors::kFileNotFound;
        case SystemFailure::AccessDenied: return errors::kPermissionDenied;
        case SystemFailure::Other: break;
    }
    return errors::kInvalidArgument;
}

}  // namespace orvantis

#include "platform/posix/GLibErrors.hpp"

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"

namespace orvantis {

void RaiseGLibError(const GError& error, const std::wstring& where) {
    std::int32_t number = errors::kPathFileAccess;
    if (error.domain == G_KEY_FILE_ERROR) number = errors::kInvalidFileFormat;
    if (error.domain == G_FILE_ERROR && (error.code == G_FILE_ERROR_ACCES || error.code == G_FILE_ERROR_PERM ||
                                         error.code == G_FILE_ERROR_ROFS)) {
        number = errors::kPermissionDenied;
    }
    const std::wstring why = WideFromUtf8(error.message ? error.message : "").value_or(L"");
    throw AutomationError::Standard(number, where + L": " + why);
}

}  // namespace orvantis

#include "automation/AutomationError.hpp"

#include "automation/Unicode.hpp"

namespace orvantis {

AutomationError::AutomationError(std::int32_t number, std::wstring source, std::wstring description)
    : std::runtime_error(Utf8FromWide(std::to_wstring(number) + L" " + description)),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

AutomationError AutomationError::Standard(std::int32_t number, std::wstring_view detail) {
    std::wstring description = StandardDescription(number);
    if (!detail.empty()) description.append(L": ").append(detail);
    return AutomationError(number, std::wstring(kComponentTitle), std::move(description));
}

std::wstring StandardDescription(std::int32_t number) {
    switch (number) {
        case errors::kInvalidArgument: return L"Invalid procedure call or argument";
        case errors::kOverflow: return L"Overflow";
        case errors::kTypeMismatch: return L"Type mismatch";
        case errors::kFileNotFound: return L"File not found";
        case errors::kPermissionDenied: return L"Permission denied";
        case errors::kPathFileAccess: return L"Path/File access error";
        case errors::kPathNotFound: return L"Path not found";
        case errors::kObjectNotSet: return L"Object variable or With block variable not set";
        case errors::kInvalidUseOfNull: return L"Invalid use of Null";
        case errors::kInvalidFileFormat: return L"Invalid file format";
        case errors::kFormAlreadyDisplayed: return L"Form already displayed; can't show modally";
        case errors::kObjectRequired: return L"Object required";
        case errors::kCannotCreateObject: return L"ActiveX component can't create object";
        case errors::kMemberNotSupported: return L"Object doesn't support this property or method";
        case errors::kArgumentNotOptional: return L"Argument not optional";
        case errors::kWrongArgumentCount:
            return L"Wrong number of arguments or invalid property assignment";
        default: return L"Application-defined or object-defined error";
    }
}

}  // namespace orvantis

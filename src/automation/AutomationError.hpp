#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvantis {

// The system's one exception type: an automation error as a script host sees it.
class AutomationError : public std::runtime_error {
public:
    AutomationError(std::int32_t number, std::wstring source, std::wstring description);

    // One of the standard automation errors (5, 6, 13, 53, 91, 94, 424, 429, 438, ...),
    // with its standard description, optionally followed by a detail.
    static AutomationError Standard(std::int32_t number, std::wstring_view detail = {});

    std::int32_t Number() const { return number_; }
    const std::wstring& Source() const { return source_; }
    const std::wstring& Description() const { return description_; }

private:
    std::int32_t number_;
    std::wstring source_;
    std::wstring description_;
};

// The component's own title: the source of its errors and the caption of untitled boxes.
inline constexpr std::wstring_view kComponentTitle = L"Orvantis";

namespace errors {
inline constexpr std::int32_t kInvalidArgument = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kPermissionDenied = 70;
inline constexpr std::int32_t kPathFileAccess = 75;
inline constexpr std::int32_t kPathNotFound = 76;
inline constexpr std::int32_t kObjectNotSet = 91;
inline constexpr std::int32_t kInvalidUseOfNull = 94;
inline constexpr std::int32_t kInvalidFileFormat = 321;
inline constexpr std::int32_t kFormAlreadyDisplayed = 400;
inline constexpr std::int32_t kObjectRequired = 424;
inline constexpr std::int32_t kCannotCreateObject = 429;
inline constexpr std::int32_t kMemberNotSupported = 438;
inline constexpr std::int32_t kArgumentNotOptional = 449;
inline constexpr std::int32_t kWrongArgumentCount = 450;
// DISP_E_EXCEPTION (0x80020009): how a product's own failure, with its own text, reaches the
// caller of an automation object.
inline constexpr std::int32_t kProductException = -2147352567;
}  // namespace errors

std::wstring StandardDescription(std::int32_t number);

}  // namespace orvantis

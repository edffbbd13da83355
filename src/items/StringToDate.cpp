#include "items/StringToDate.hpp"

#include <optional>

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"

namespace orvantis {
namespace {

// The characters from a 1-based position, fewer or none when the text ends first.
std::wstring_view Cut(std::wstring_view text, std::size_t position, std::size_t length) {
    if (position > text.size()) return {};
    return text.substr(position - 1, length);
}

// A field must be complete: a cut short by the end of the text is not a number of its width.
std::optional<int> Digits(std::wstring_view field, std::size_t width) {
    if (field.size() != width) return std::nullopt;
    int value = 0;
    for (wchar_t c : field) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

}  // namespace

DateValue StringToDate(std::wstring_view text) {
    const auto year = Digits(Cut(text, 1, 4), 4);
    const auto month = Digits(Cut(text, 5, 2), 2);
    const auto day = Digits(Cut(text, 7, 2), 2);
    const std::wstring_view hourText = Cut(text, 10, 2);
    const std::wstring_view minuteText = Cut(text, 12, 2);
    const bool dateOnly = hourText.empty() && minuteText.empty();
    const auto hour = dateOnly ? std::optional<int>(0) : Digits(hourText, 2);
    const auto minute = dateOnly ? std::optional<int>(0) : Digits(minuteText, 2);
    if (!year || !month || !day || !hour || !minute) {
        throw AutomationError::Standard(errors::kTypeMismatch);
    }
    const auto date = MakeDate(CivilTime{*year, *month, *day, *hour, *minute, 0});
    if (!date) throw AutomationError::Standard(errors::kTypeMismatch);
    return DateValue{*date};
}

}  // namespace orvantis

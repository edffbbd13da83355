#include "FuzzEntries.hpp"

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"
#include "items/StringToDate.hpp"

namespace orvantis::fuzz {
namespace {

// The number written at 1-based positions [first, first + width) when all of them are digits.
std::optional<int> NumberAt(std::wstring_view text, std::size_t first, std::size_t width) {
    if (text.size() < first - 1 + width) return std::nullopt;
    int value = 0;
    for (wchar_t c : text.substr(first - 1, width)) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return value;
}

}  // namespace

std::optional<std::string> StringToDateEntry(Bytes input) {
    const std::wstring text = TextFromBytes(input);
    DateValue date;
    try {
        date = StringToDate(text);
    } catch (const AutomationError& error) {
        if (error.Number() != errors::kTypeMismatch) return "failed with another error than 13";
        return std::nullopt;
    }
    // Whatever the text held, an accepted date is a whole minute that reads back as the
    // fields written in it; shorter fields than their full width are not checked here.
    const CivilTime time = SplitDate(date.days);
    if (time.second != 0) return "the date has seconds";
    if (MakeDate(time) != date.days) return "the date does not read back as itself";
    const auto expect = [&](std::size_t first, std::size_t width, int actual) {
        const auto written = NumberAt(text, first, width);
        return !written || *written == actual;
    };
    if (!expect(1, 4, time.year) || !expect(5, 2, time.month) || !expect(7, 2, time.day) ||
        !expect(10, 2, time.hour) || !expect(12, 2, time.minute)) {
        return "the date disagrees with the digits of the text";
    }
    return std::nullopt;
}

}  // namespace orvantis::fuzz

#pragma once

#include <optional>

namespace orvantis {

// The platform's date value: days since 1899-12-30 00:00, the fraction being the time of day.
// Before that day the whole part counts backwards while the fraction still counts forwards
// (-1.25 is 1899-12-29 06:00), as the automation date type defines it.
struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CivilTime&) const = default;
};

// Empty when a field is out of range (year 100 to 9999, a day the month has, 0-23, 0-59).
std::optional<double> MakeDate(const CivilTime& time);

// Rounds to the nearest second.
CivilTime SplitDate(double date);

}  // namespace orvantis

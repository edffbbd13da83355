#include <windows.h>

#include "automation/DateTime.hpp"
#include "platform/TimeZone.hpp"

namespace orvantis {
namespace {

constexpr double kTicksPerDay = 864000000000.0;  // 100 ns ticks
constexpr double kFileTimeEpoch = -109205;        // 1601-01-01 as a date value

// The system's zone information, with the rules of each year (dynamic summer time).
class SystemZoneInformation : public TimeZone {
public:
    std::optional<double> LocalToUtc(double local) const override {
        const CivilTime t = SplitDate(local);
        SYSTEMTIME localTime{};
        localTime.wYear = static_cast<WORD>(t.year);
        localTime.wMonth = static_cast<WORD>(t.month);
        localTime.wDay = static_cast<WORD>(t.day);
        localTime.wHour = static_cast<WORD>(t.hour);
        localTime.wMinute = static_cast<WORD>(t.minute);
        localTime.wSecond = static_cast<WORD>(t.second);
        DYNAMIC_TIME_ZONE_INFORMATION dynamic{};
        if (GetDynamicTimeZoneInformation(&dynamic) == TIME_ZONE_ID_INVALID) return std::nullopt;
        // The year's own rules, then the plain conversion: Wine has the Ex form only as a stub
        // that ends the process.
        TIME_ZONE_INFORMATION zone{};
        if (!GetTimeZoneInformationForYear(localTime.wYear, &dynamic, &zone)) return std::nullopt;
        SYSTEMTIME utc{};
        if (!TzSpecificLocalTimeToSystemTime(&zone, &localTime, &utc)) return std::nullopt;
        return MakeDate({utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond});
    }

    double NowUtc() const override {
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        const auto ticks = static_cast<double>(
            (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
        return ticks / kTicksPerDay + kFileTimeEpoch;
    }
};

}  // namespace

TimeZone& SystemTimeZone() {
    static SystemZoneInformation zone;
    return zone;
}

}  // namespace orvantis

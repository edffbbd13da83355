#include <cerrno>
#include <ctime>

#include "automation/DateTime.hpp"
#include "platform/TimeZone.hpp"

namespace orvantis {
namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kUnixEpoch = 25569;  // 1970-01-01 as a date value

// The C library's rules: TZ, else /etc/localtime, with their history of summer times.
class CLibraryTimeZone : public TimeZone {
public:
    std::optional<double> LocalToUtc(double local) const override {
        const CivilTime t = SplitDate(local);
        std::tm fields{};
        fields.tm_year = t.year - 1900;
        fields.tm_mon = t.month - 1;
        fields.tm_mday = t.day;
        fields.tm_hour = t.hour;
        fields.tm_min = t.minute;
        fields.tm_sec = t.second;
        fields.tm_isdst = -1;  // whatever the rules say for that date
        tzset();
        errno = 0;
        const std::time_t seconds = std::mktime(&fields);
        if (seconds == static_cast<std::time_t>(-1) && errno != 0) return std::nullopt;
        std::tm utc{};
        if (!gmtime_r(&seconds, &utc)) return std::nullopt;
        return MakeDate({utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour,
                         utc.tm_min, utc.tm_sec});
    }

    double NowUtc() const override {
        return static_cast<double>(std::time(nullptr)) / kSecondsPerDay + kUnixEpoch;
    }
};

}  // namespace

TimeZone& SystemTimeZone() {
    static CLibraryTimeZone zone;
    return zone;
}

}  // namespace orvantis

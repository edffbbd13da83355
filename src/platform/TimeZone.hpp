#pragma once

#include <optional>

namespace orvantis {

// Port: the machine's own time-zone rules. The document's date-times are the local time of
// the machine that loads them; the standards targets write them as UTC so that no client
// can place them in another zone.
class TimeZone {
public:
    virtual ~TimeZone() = default;
    // The UTC date value of a local one, by the rules in force at that date (summer time
    // included); empty when the platform cannot convert it.
    virtual std::optional<double> LocalToUtc(double local) const = 0;
    // The current UTC date-time as a date value.
    virtual double NowUtc() const = 0;
};

// The platform's zone, provided by each adapter folder.
TimeZone& SystemTimeZone();

}  // namespace orvantis

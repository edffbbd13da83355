#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"
#include "platform/TimeZone.hpp"

namespace orvantis {

// The iCalendar (RFC 5545) text of events and tasks, in UTF-8. Times are converted from
// local time to UTC with the zone's rules at each date (13 when one does not convert); a
// full-day event is a run of dates with an exclusive end.
class ICalendarWriter {
public:
    // stampUtc: when the items are written, as DTSTAMP says.
    ICalendarWriter(const TimeZone& zone, double stampUtc) : zone_(zone), stamp_(stampUtc) {}

    // One VEVENT or VTODO, CR LF ended, to be placed inside a calendar.
    std::string Event(const AgentEvent& event, std::wstring_view uid) const;
    std::string Todo(const AgentTodo& todo, std::wstring_view uid) const;

    // The VCALENDAR around the components.
    static std::string Calendar(const std::vector<std::string>& components);

private:
    std::string Utc(DateValue local) const;

    const TimeZone& zone_;
    double stamp_;
};

}  // namespace orvantis

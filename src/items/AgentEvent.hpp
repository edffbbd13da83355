#pragma once

#include <array>
#include <memory>

#include "items/Record.hpp"

namespace orvantis {

// A calendar event. The start property is published as StarDate.
class AgentEvent : public Record<AgentEvent> {
public:
    std::wstring Subject;
    std::wstring Category;
    std::wstring Location;
    std::wstring Description;
    DateValue StarDate;
    DateValue EndDate;
    std::wstring Notes;
    std::wstring Reminder;  // minutes before the start, as decimal text
    std::wstring OrvantisID;
    bool FullDay = false;

    static const std::array<PropertyInfo<AgentEvent>, 10> kProperties;
};

using AgentEventRef = std::shared_ptr<AgentEvent>;

}  // namespace orvantis

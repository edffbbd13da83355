#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "items/Record.hpp"

namespace orvantis {

// A task. The start property is published as StarDate.
class AgentTodo : public Record<AgentTodo> {
public:
    std::wstring Subject;
    std::wstring Category;
    std::wstring Location;
    std::wstring Description;
    DateValue StarDate;
    DateValue EndDate;
    std::wstring Notes;
    std::wstring Reminder;
    std::int16_t Status = 0;
    std::wstring Priority;
    std::wstring OrvantisID;

    static const std::array<PropertyInfo<AgentTodo>, 11> kProperties;
};

using AgentTodoRef = std::shared_ptr<AgentTodo>;

}  // namespace orvantis

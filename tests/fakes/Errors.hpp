#pragma once

#include <cstdint>
#include <utility>

#include "automation/AutomationError.hpp"

namespace orvantis::test {

// The AutomationError the action raises; one numbered 0 when it raises none.
template <class Action>
AutomationError ErrorOf(Action&& action) {
    try {
        action();
    } catch (const AutomationError& error) {
        return error;
    }
    return AutomationError(0, L"", L"nothing raised");
}

template <class Action>
std::int32_t ErrorNumberOf(Action&& action) {
    return ErrorOf(std::forward<Action>(action)).Number();
}

}  // namespace orvantis::test

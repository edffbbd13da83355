#pragma once

#include <cstdint>

#include "automation/AutomationError.hpp"

namespace orvantis::test {

// The number of the AutomationError the action raises, 0 when it raises none.
template <class Action>
std::int32_t ErrorNumberOf(Action&& action) {
    try {
        action();
    } catch (const AutomationError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace orvantis::test

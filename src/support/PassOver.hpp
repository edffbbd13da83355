#pragma once

#include "automation/AutomationError.hpp"

namespace orvantis {

// One step of an inserter that goes on after a failed step: an automation error abandons this
// step only, and the next one runs. Anything else (a fault of the program) still escapes.
// False when the step failed, for the one step that decides whether the item was stored.
template <class Step>
bool PassOver(Step&& step) {
    try {
        step();
        return true;
    } catch (const AutomationError&) {
        return false;
    }
}

}  // namespace orvantis

#pragma once

#include "automation/AutomationError.hpp"

namespace orvantis {

// One step of an inserter that goes on after a failed step: an automation error abandons this
// step only, and the next one runs. Anything else (a fault of the program) still escapes.
template <class Step>
void PassOver(Step&& step) {
    try {
        step();
    } catch (const AutomationError&) {
    }
}

}  // namespace orvantis

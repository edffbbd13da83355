// What the header generated from Orvantis.idl imports (AutomationBase.idl): the platform's
// own declarations of the automation types.
#pragma once

#include "platform/windows/Win32.hpp"

#include <oaidl.h>

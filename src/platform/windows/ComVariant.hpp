#pragma once

#include "automation/Object.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::windows {

// The system's variants as COM VARIANTs and back. Objects cross in both directions: a core
// Object goes out as an IDispatch bridge and comes back as the same Object; a foreign
// IDispatch comes in as a DispatchAsObject. Kinds the system has no type for (currency,
// decimal, 64-bit and unsigned integers, ...) are read as doubles, or fail with 13.
Variant FromVariant(const VARIANT& value);
// Writes into an empty (or cleared) VARIANT that the caller then owns.
void ToVariant(const Variant& value, VARIANT& out);

}  // namespace orvantis::windows

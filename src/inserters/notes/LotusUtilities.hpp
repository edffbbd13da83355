#pragma once

#include "automation/Variant.hpp"
#include "platform/Host.hpp"

namespace orvantis::LotusUtilities {

// Registers the Notes automation library (nlsxbe.dll in the Notes folder) with regsvr32 and
// waits for it; what regsvr32 makes of it is not looked at.
Variant RegisterNotesLibrary(Host& host);

}  // namespace orvantis::LotusUtilities

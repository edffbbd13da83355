#pragma once

#include "automation/Variant.hpp"
#include "platform/Host.hpp"

namespace orvantis::ConfigUtilities {

// Install paths that the products leave in the registry, as stored (empty when absent).
Variant GetActDatabasePath(Host& host);
Variant GetNotesPath(Host& host);
Variant GetGoldMinePath(Host& host);

}  // namespace orvantis::ConfigUtilities

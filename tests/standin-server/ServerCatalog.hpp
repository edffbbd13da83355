#pragma once

// What the test server serves: the one place that says which objects answer its ProgIDs and
// how their worlds are kept.

#include "platform/ObjectCatalog.hpp"

namespace orvantis::server {

// Enters every object the server serves under its ProgID.
void FillCatalog(ObjectCatalog& catalog);

// Writes every world as JSON into the folder that ORVANTIS_SANDBOX_DIR names (nothing when it
// is unset). Called whenever the clients have released every object of the server.
void SaveWorlds();

}  // namespace orvantis::server

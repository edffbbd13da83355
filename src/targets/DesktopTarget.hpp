#pragma once

#include <memory>

#include "platform/Host.hpp"
#include "targets/InserterUtilities.hpp"

namespace orvantis {

// The "desktop" target: one rich-text note per contact in the user's desktop folder, named
// by DesktopNoteNames so that no contact's note replaces another's. Events and tasks are
// dropped. Raises 76 when the platform knows no desktop folder, and any file error.
std::unique_ptr<ItemBatch> CreateDesktopBatch(Host& host);

}  // namespace orvantis

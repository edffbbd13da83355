#pragma once

#include <memory>

#include "platform/Host.hpp"
#include "items/ItemBatch.hpp"

namespace orvantis {

// The "dav" target: the document's contacts into a CardDAV address book, its events and tasks
// into CalDAV calendars, on the server of the settings, each item a resource named by its UID
// so that a second load updates what the first wrote. Items are written once the whole
// document has been read; an error ends the load there, and what was written stays.
std::unique_ptr<ItemBatch> CreateDavBatch(Host& host);

}  // namespace orvantis

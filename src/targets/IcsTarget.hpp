#pragma once

#include <memory>

#include "platform/Host.hpp"
#include "targets/InserterUtilities.hpp"

namespace orvantis {

// The "ics" target: the document's events and tasks as one iCalendar file and its contacts as
// one vCard 3.0 file, in the folder of the setting IcsFolder (else the user's documents),
// each then handed to the user's program for its type. The files are named after the
// document's items, so a second load of the same document replaces its own files and
// never another document's.
std::unique_ptr<ItemBatch> CreateIcsBatch(Host& host);

}  // namespace orvantis

#pragma once

#include "automation/Variant.hpp"
#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"
#include "platform/Host.hpp"

namespace orvantis::LotusUtilities {

// Registers the Notes automation library (nlsxbe.dll in the Notes folder) with regsvr32 and
// waits for it; what regsvr32 makes of it is not looked at. Nothing runs on a platform
// without a component registry.
Variant RegisterNotesLibrary(Host& host);

// Each inserter first starts a Notes session: a failure to create it is raised (no Notes);
// a session that will not start is reported in a message box, once per item, and nothing is
// written. Every later step that fails is passed over. Each says whether Notes saved the
// document, so that a load never reports an item no product holds.

// Writes the contact as a Person document into the personal address book (names.nsf),
// updating the document of the same OrvantisID if there is one.
bool WriteNotesContact(Host& host, const AgentContact& contact);

// Writes the event as a new Appointment document, the task as a new Task document, into the
// user's mail database.
bool WriteNotesAppointment(Host& host, const AgentEvent& event);
bool WriteNotesTask(Host& host, const AgentTodo& todo);

}  // namespace orvantis::LotusUtilities

#pragma once

#include <optional>

#include "automation/Object.hpp"
#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"
#include "platform/Host.hpp"

namespace orvantis::OutlookUtilities {

// Stores the contact in the chosen contact folder (the default Contacts folder when none is
// chosen), updating the contact whose CustomerID is the record's identifier if there is one.
// Only a failure to start Outlook is raised; every later step that fails is passed over.
// False when the contact was not saved.
bool WriteOutlookContact(Host& host, const AgentContact& contact);

// Stores the event as a new appointment, and the task as a new task. Nothing is caught.
void WriteOutlookAppointment(Host& host, const AgentEvent& event);
void WriteOutlookTask(Host& host, const AgentTodo& todo);

// The contact folder at this position among the folders that hold contacts, one level below
// each of the name space's top-level folders, in Outlook's order; nothing when none is there.
ObjectRef FindOutlookContactFolder(Object& nameSpace, int position);

// The display names of those folders, in the same order (what the address-book dialog lists).
std::vector<std::wstring> ListOutlookContactFolders(Host& host);

}  // namespace orvantis::OutlookUtilities

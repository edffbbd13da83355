#pragma once

#include <string>
#include <vector>

#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "platform/Host.hpp"

namespace orvantis::GroupWiseUtilities {

// Asks for the address book (the dialog, before every contact), then adds the contact to it
// as a new entry with GroupWise's own names for its fields. Nothing is caught: an empty or
// unreadable choice ends the insertion with 13.
void WriteGroupWiseContact(Host& host, const AgentContact& contact);

// Stores the event as a new appointment carrying its subject and notes alone: no date is
// sent. Nothing is caught.
void WriteGroupWiseAppointment(Host& host, const AgentEvent& event);

// The names of the account's address books, in GroupWise's order (what the dialog lists).
std::vector<std::wstring> ListGroupWiseAddressBooks(Host& host);

}  // namespace orvantis::GroupWiseUtilities

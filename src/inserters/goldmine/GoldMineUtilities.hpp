#pragma once

#include "items/AgentContact.hpp"
#include "platform/Host.hpp"

namespace orvantis::GoldMineUtilities {

// Asks GoldMine to write the contact as a new one, logged in afresh with the stored user name
// and password. Nothing is caught: a failed log-in, a refused field and a stored password
// that is not Base64 all pass to the caller.
void WriteGoldMineContact(Host& host, const AgentContact& contact);

}  // namespace orvantis::GoldMineUtilities

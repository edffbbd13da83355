#pragma once

#include <string>

#include "automation/Object.hpp"
#include "items/AgentContact.hpp"
#include "platform/Host.hpp"

namespace orvantis::ActUtilities {

// Adds the contact as a new record of the ACT! database at `databasePath`. A database that
// does not open is told to the user in a message box and nothing is written (false); every
// other failure passes to the caller unchanged.
bool WriteActContact(Host& host, const AgentContact& contact, const std::wstring& databasePath);

// For a database shared by several users, asks the user to log in and hands ACT! what was
// typed. A refused login is not raised: the database then does not open.
void CheckActLogin(Host& host, Object& database);

}  // namespace orvantis::ActUtilities

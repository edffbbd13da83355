#pragma once

#include <string>

#include "automation/Variant.hpp"
#include "items/AgentContact.hpp"
#include "platform/Host.hpp"

namespace orvantis::OExpressUtilities {

// The contact as a vCard 2.1 text, each line ended by CR LF. Single-line values are written
// as they stand (no escaping); a value with a line break puts its property in quoted-printable
// form; the address labels are always quoted-printable.
std::wstring BuildOExpressCard(const AgentContact& contact);

// The command line that opens the vCard file in the Windows Address Book: the program named
// in the registry's App Paths (expanded), else its classic location, both parts quoted.
std::wstring AddressBookCommandLine(Host& host, const std::wstring& cardPath);

// Writes the card to "orvantis.gif" in the temporary internet files folder (ANSI code page),
// then opens it in the address book and waits until the user closes it. A program that does
// not start is reported by ShellAndWait; other failures are raised. Returns an empty variant.
Variant WriteOExpressContact(Host& host, const AgentContact& contact);

}  // namespace orvantis::OExpressUtilities

#pragma once

#include <string>
#include <string_view>

#include "items/AgentContact.hpp"

namespace orvantis {

// One vCard 3.0 (RFC 2426) of a contact in UTF-8, CR LF ended; a file of several is their
// concatenation. revisionUtc: when it is written, as REV says. A picture that is not
// hexadecimal text of a JPEG, PNG or GIF is left out, the rest of the card still written.
std::string VCard(const AgentContact& contact, std::wstring_view uid, double revisionUtc);

}  // namespace orvantis

#pragma once

#include <cstddef>
#include <string>

namespace orvantis::bench {

// An item document of the given number of items, contacts, events and tasks mixed two to one
// to one, with field sizes as address books hold them and "<br/>" line breaks in the notes.
// The same count always gives the same text (UTF-8).
std::string GenerateItemDocument(std::size_t items);

// Contacts with identifiers for the target, alike but for their numbers, as an address book
// previewed or sent to a server holds them.
std::wstring ContactDocument(std::size_t contacts, const std::wstring& target);

}  // namespace orvantis::bench

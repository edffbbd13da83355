#pragma once

#include <string>
#include <string_view>

namespace orvantis::dav {

// The UID of a vCard or iCalendar text (its first UID line, unfolded); empty when it has none.
std::string UidOf(std::string_view text);

// Whether two texts of an item say the same, as far as a server may rewrite one: lines
// unfolded, in any order, with any line ending, without the stamps of when each was written
// (REV, DTSTAMP), the writing program's name (PRODID) and the default calendar scale.
bool SameContent(std::string_view a, std::string_view b);

}  // namespace orvantis::dav

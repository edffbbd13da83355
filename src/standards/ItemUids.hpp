#pragma once

#include <set>
#include <string>

#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"

namespace orvantis {

// The UIDs of one document's items, stable from one load of the document to the next so
// that a calendar or address book replaces what it already holds instead of adding it again.
// An item's own identifier is its UID; without one the UID is derived from the fields that
// name the item (see docs/ARCHITECTURE.md). Two items of a document that would share a UID
// get "-2", "-3"... in document order, since one file may not hold two items of one UID.
class ItemUids {
public:
    std::wstring Of(const AgentContact& contact);
    std::wstring Of(const AgentEvent& event);
    std::wstring Of(const AgentTodo& todo);

    // A short name for the whole set, the same for the same items: it names the files.
    std::wstring Digest() const;

private:
    std::wstring Unique(const std::wstring& uid);

    std::set<std::wstring> seen_;
    std::wstring all_;
};

}  // namespace orvantis

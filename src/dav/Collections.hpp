#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dav/DavServer.hpp"

namespace orvantis::dav {

// The kinds of item a collection may take.
// In this order: Collections.cpp keeps a row per kind.
enum class ItemKind { Contact, Event, Todo };

struct Collection {
    std::string url;
    std::wstring name;  // the display name, else the URL's path
};

// The user's collections on the server that take items of each kind, found the standard way:
// the address itself when it is such a collection, else the user's principal (at the address
// or at its RFC 6764 well-known addresses), its home sets, and the collections in them.
class Collections {
public:
    explicit Collections(DavServer& server);
    std::vector<Collection> Taking(ItemKind kind) const;

private:
    struct Found {
        Collection collection;
        Resource properties;
    };
    void AddCollectionsIn(const std::string& home);

    std::vector<Found> found_;
};

// The collection each kind's items go to: the one the settings keep, else the only one there
// is, else the one the user picks in a dialog, which is then kept. The server is searched at
// most once, and only when a kind has no collection kept.
class CollectionChooser {
public:
    explicit CollectionChooser(DavServer& server) : server_(server) {}
    // Raises when the server has none for the kind, or the user picked none.
    std::string For(ItemKind kind);
    // Asks whatever the settings keep; none when the server has no collection for the kind.
    // Raises when the user picked none.
    std::optional<std::string> Ask(ItemKind kind);

private:
    std::wstring ServerName() const;

    DavServer& server_;
    std::optional<Collections> found_;
};

// Asks the user anew for each kind's collection where the server holds more than one, and
// keeps the picks.
void ChooseCollections(Host& host);

}  // namespace orvantis::dav

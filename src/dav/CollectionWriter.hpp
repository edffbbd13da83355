#pragma once

#include <string>
#include <unordered_map>

#include "dav/Collections.hpp"
#include "dav/DavServer.hpp"

namespace orvantis::dav {

// What a load did on the server.
struct WriteCounts {
    std::size_t created = 0;
    std::size_t updated = 0;
    std::size_t unchanged = 0;
};

// Writes items into one collection so that a second load of a document updates what the first
// wrote: the collection is listed once (each item's name, ETag, UID and text), then each item
// is created under its UID's name, updated where the collection already holds its UID (under
// whatever name), or left alone when the server already holds the same content. A write never
// replaces a version it has not seen (If-Match, If-None-Match); one that crossed another
// writer's change is read again and tried once more. Nothing is ever deleted.
class CollectionWriter {
public:
    CollectionWriter(DavServer& server, std::string collection, ItemKind kind);
    void Write(const std::string& uid, const std::string& text, WriteCounts& counts);

private:
    struct Held {
        std::string href;
        std::string etag;
        std::string text;
    };
    // The collection's copy of the UID found by a query on the server (after the listing).
    std::optional<Held> Query(const std::string& uid);
    std::optional<Held> Fetch(const std::string& href);
    // PUT with its condition; the status.
    int Put(const std::string& href, const std::string& text, const std::string& condition,
            const std::string& value);
    void Update(const std::string& uid, Held held, const std::string& text, WriteCounts& counts);

    DavServer& server_;
    std::string collection_;
    ItemKind kind_;
    std::unordered_map<std::string, Held> held_;  // by UID
};

}  // namespace orvantis::dav

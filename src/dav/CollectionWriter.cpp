#include "dav/CollectionWriter.hpp"

#include "dav/ItemText.hpp"
#include "dav/Url.hpp"

namespace orvantis::dav {
namespace {

constexpr char kCardDav[] = R"(xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav")";
constexpr char kCalDav[] = R"(xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav")";

std::string XmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '&') escaped += "&amp;";
        else if (c == '<') escaped += "&lt;";
        else if (c == '>') escaped += "&gt;";
        else escaped += c;
    }
    return escaped;
}

// The collection's items with their ETags and texts; with a UID, the item of that UID alone.
std::string ItemsQuery(ItemKind kind, const std::string* uid) {
    const std::string match =
        uid ? R"(<C:prop-filter name="UID"><C:text-match collation="i;octet" match-type="equals">)" +
                  XmlEscaped(*uid) + "</C:text-match></C:prop-filter>"
            : "";
    const std::string head = R"(<?xml version="1.0" encoding="utf-8"?>)";
    if (kind == ItemKind::Contact) {
        return head + "<C:addressbook-query " + kCardDav +
               "><D:prop><D:getetag/><C:address-data/></D:prop>" +
               (uid ? "<C:filter>" + match + "</C:filter>" : "") + "</C:addressbook-query>";
    }
    const std::string component = kind == ItemKind::Event ? "VEVENT" : "VTODO";
    const std::string filter =
        uid ? R"(<C:comp-filter name=")" + component + R"(">)" + match + "</C:comp-filter>" : "";
    return head + "<C:calendar-query " + kCalDav +
           "><D:prop><D:getetag/><C:calendar-data/></D:prop><C:filter>"
           R"(<C:comp-filter name="VCALENDAR">)" +
           filter + "</C:comp-filter></C:filter></C:calendar-query>";
}

bool Succeeded(int status) { return status / 100 == 2; }

}  // namespace

CollectionWriter::CollectionWriter(DavServer& server, std::string collection, ItemKind kind)
    : server_(server), collection_(std::move(collection)), kind_(kind) {
    for (Resource& item : server_.Report(collection_, ItemsQuery(kind_, nullptr))) {
        std::string uid = UidOf(item.data);
        if (uid.empty()) continue;
        held_[std::move(uid)] = {Resolve(collection_, item.href), std::move(item.etag),
                                 std::move(item.data)};
    }
}

std::optional<CollectionWriter::Held> CollectionWriter::Query(const std::string& uid) {
    for (Resource& item : server_.Report(collection_, ItemsQuery(kind_, &uid))) {
        if (UidOf(item.data) == uid) {
            return Held{Resolve(collection_, item.href), std::move(item.etag),
                        std::move(item.data)};
        }
    }
    return std::nullopt;
}

std::optional<CollectionWriter::Held> CollectionWriter::Fetch(const std::string& href) {
    HttpResponse response = server_.Send({.method = "GET", .url = href});
    if (response.status != 200) return std::nullopt;
    return Held{href, response.Header("etag").value_or(""), std::move(response.body)};
}

int CollectionWriter::Put(const std::string& href, const std::string& text,
                          const std::string& condition, const std::string& value) {
    const char* type = kind_ == ItemKind::Contact ? "text/vcard; charset=utf-8"
                                                   : "text/calendar; charset=utf-8";
    return server_
        .Send({.method = "PUT",
               .url = href,
               .headers = {{"Content-Type", type}, {condition, value}},
               .body = text})
        .status;
}

void CollectionWriter::Write(const std::string& uid, const std::string& text,
                             WriteCounts& counts) {
    if (const auto found = held_.find(uid); found != held_.end()) {
        return Update(uid, found->second, text, counts);
    }
    const std::string href =
        collection_ + PathSegment(uid) + (kind_ == ItemKind::Contact ? ".vcf" : ".ics");
    const int status = Put(href, text, "If-None-Match", "*");
    if (Succeeded(status)) {
        ++counts.created;
        return;
    }
    // Written meanwhile under this name, or kept under another (409): updated where it is.
    std::optional<Held> there;
    if (status == 412) there = Fetch(href);
    if (status == 409) there = Query(uid);
    if (!there) throw server_.Refusal(status, "PUT " + Shown(href) + " (the item " + uid + ")");
    Update(uid, std::move(*there), text, counts);
}

void CollectionWriter::Update(const std::string& uid, Held held, const std::string& text,
                              WriteCounts& counts) {
    for (bool again = false;; again = true) {
        if (SameContent(held.text, text)) {
            ++counts.unchanged;
            return;
        }
        const int status = Put(held.href, text, "If-Match", held.etag.empty() ? "*" : held.etag);
        if (Succeeded(status)) {
            ++counts.updated;
            return;
        }
        // Changed by another writer since it was read: read once more, then give up.
        std::optional<Held> now;
        if (status == 412 && !again) now = Fetch(held.href);
        if (!now) {
            throw server_.Refusal(status, "PUT " + Shown(held.href) + " (the item " + uid + ")");
        }
        held = std::move(*now);
    }
}

}  // namespace orvantis::dav

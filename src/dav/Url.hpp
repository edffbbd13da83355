#pragma once

#include <string>
#include <string_view>

namespace orvantis::dav {

// The scheme, host and port of an absolute URL ("https://host:8443"), with no user information
// and no path: what names a server in a message. Empty for a text that is not an http or https
// URL.
std::string OriginOf(std::string_view url);

// The URL without any user information, as it may be shown.
std::string Shown(std::string_view url);

// A reference a server gave (a path, or a whole URL) as a whole URL, read against the URL of the
// request it answered.
std::string Resolve(std::string_view base, std::string_view href);

// The text as one path segment: the characters RFC 3986 leaves unreserved as they are, every
// other byte of its UTF-8 as %XX, so that any UID names exactly one resource.
std::string PathSegment(std::string_view text);

// The URL ending in "/", as a collection's URL does.
std::string AsCollection(std::string url);

}  // namespace orvantis::dav

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvantis {

// Where a page comes from, as the site lock compares it: scheme, host and port.
struct SiteOrigin {
    std::wstring scheme;  // lower case
    std::wstring host;    // lower case ASCII, without a trailing dot; an IPv6 address in brackets
    int port = 0;         // as written, else the scheme's default; 0 where the scheme has none

    // "https://crm.example.com", the port shown only where it is not the scheme's default.
    std::wstring Text() const;
    bool IsSecure() const { return scheme == L"https"; }
};

// The scheme's well-known port: 80 for http, 443 for https, 0 for any other.
int DefaultPort(std::wstring_view scheme);

// The origin of a page's address; none for an address that cannot be read safely: no scheme,
// a host with characters outside ASCII letters, digits, '-', '_' and '.' (an internationalised
// name must come in its ASCII form), a bad port, or no host where the scheme needs one.
std::optional<SiteOrigin> ParseOrigin(std::wstring_view address);

// A host name in the form the lock compares: ASCII letters lowered, one trailing dot dropped.
std::wstring NormalHost(std::wstring_view host);

}  // namespace orvantis

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Host.hpp"

namespace orvantis {

// A site the user allowed always or refused, by its origin's text.
struct RememberedSite {
    std::wstring origin;
    bool allowed = false;
};

// The user's answers in the order given; an entry that cannot be read is passed over (and
// kept when the list is written again).
std::vector<RememberedSite> RememberedSites(Host& host);

// The remembered answer about an origin: true allowed, false refused, none not remembered.
std::optional<bool> RememberedAnswer(Host& host, const std::wstring& origin);

// Replaces any earlier answer about the origin.
void RememberSite(Host& host, const std::wstring& origin, bool allowed);

// Forgets the answer about an origin, written as an address or as an origin; false when
// there was none.
bool ForgetSite(Host& host, const std::wstring& address);

}  // namespace orvantis

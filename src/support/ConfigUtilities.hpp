#pragma once

#include <string>
#include <utility>
#include <vector>

#include "automation/Variant.hpp"
#include "platform/Host.hpp"

namespace orvantis::ConfigUtilities {

// Install paths that the products leave in the registry, as stored (empty when absent).
Variant GetActDatabasePath(Host& host);
Variant GetNotesPath(Host& host);
Variant GetGoldMinePath(Host& host);

// The per-user settings (application "OrvantisAgent", section "Configuration"). Getters give
// the stored text, empty when missing; setters store the value's text form. Store failures
// pass to the caller unchanged.
Variant GetGoldmineUser(Host& host);
void SaveGoldmineUser(Host& host, const Variant& user);
// The password is kept as the Base64 text of its single-byte codes: obscured, not encrypted.
// An empty stored text reads as an empty variant; a damaged one raises the decoder's errors.
Variant GetGoldminePassword(Host& host);
void SaveGoldminePassword(Host& host, const Variant& password);
Variant GetGroupWiseAddressBook(Host& host);
void SaveGroupWiseAddressBook(Host& host, const Variant& position);
// The Outlook contact folder the user chose: its position among the contact folders, "-1"
// for none, empty when never chosen or cancelled.
Variant GetOutlookAddressBook(Host& host);
void SaveOutlookAddressBook(Host& host, const Variant& position);
// The folder that the "ics" target writes into; empty when never set (the documents folder).
std::wstring GetIcsFolder(Host& host);

// The user's answers about sites, as "allow ORIGIN" or "refuse ORIGIN" joined by ";".
Variant GetSiteAnswers(Host& host);
void SaveSiteAnswers(Host& host, const Variant& answers);

// Every stored setting as (key, text to show), the password masked, for the command line.
std::vector<std::pair<std::wstring, std::wstring>> DescribeSettings(Host& host);

}  // namespace orvantis::ConfigUtilities

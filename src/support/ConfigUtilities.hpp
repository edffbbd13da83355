#pragma once

#include <optional>
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

// The "dav" target: the server's address, the user name, the hrefs of the collections the
// user chose (address book, calendar for events, calendar for tasks) and an extra CA file.
// Text as stored, empty when never set.
std::wstring GetDavUrl(Host& host);
void SaveDavUrl(Host& host, const std::wstring& url);
std::wstring GetDavUser(Host& host);
void SaveDavUser(Host& host, const std::wstring& user);
std::wstring GetDavAddressBook(Host& host);
void SaveDavAddressBook(Host& host, const std::wstring& href);
std::wstring GetDavCalendar(Host& host);
void SaveDavCalendar(Host& host, const std::wstring& href);
std::wstring GetDavTaskCalendar(Host& host);
void SaveDavTaskCalendar(Host& host, const std::wstring& href);
std::wstring GetDavCaFile(Host& host);
void SaveDavCaFile(Host& host, const std::wstring& file);
// The server password lives in the host's secret store, never among the settings. None when
// none is kept; a stored one that others could read raises (70) rather than being used.
std::optional<std::wstring> GetDavPassword(Host& host);
void SaveDavPassword(Host& host, const std::wstring& password);

// The user's answers about sites, as "allow ORIGIN" or "refuse ORIGIN" joined by ";".
Variant GetSiteAnswers(Host& host);
void SaveSiteAnswers(Host& host, const Variant& answers);

// Every stored setting as (key, text to show), passwords masked, for the command line.
std::vector<std::pair<std::wstring, std::wstring>> DescribeSettings(Host& host);

}  // namespace orvantis::ConfigUtilities

#include "support/ConfigUtilities.hpp"

#include "automation/AutomationError.hpp"
#include "platform/CodePage.hpp"
#include "support/RegistreUtilities.hpp"
#include "support/base64.hpp"

namespace orvantis::ConfigUtilities {
namespace {

constexpr wchar_t kApplication[] = L"OrvantisAgent";
constexpr wchar_t kSection[] = L"Configuration";
constexpr wchar_t kGoldmineUser[] = L"GoldmineUser";
constexpr wchar_t kGoldminePassword[] = L"GoldminePassword";
constexpr wchar_t kGroupWiseAddressBook[] = L"GroupWiseAddressBook";
constexpr wchar_t kOutlookAddressBook[] = L"OutlookAddressBook";
constexpr wchar_t kIcsFolder[] = L"IcsFolder";
constexpr wchar_t kSiteAnswers[] = L"SiteAnswers";
constexpr wchar_t kDavUrl[] = L"DavUrl";
constexpr wchar_t kDavUser[] = L"DavUser";
constexpr wchar_t kDavAddressBook[] = L"DavAddressBook";
constexpr wchar_t kDavCalendar[] = L"DavCalendar";
constexpr wchar_t kDavTaskCalendar[] = L"DavTaskCalendar";
constexpr wchar_t kDavCaFile[] = L"DavCaFile";
// A secret's name, not a setting's key.
constexpr wchar_t kDavPassword[] = L"DavPassword";
constexpr wchar_t kMasked[] = L"********";

std::wstring ReadSetting(Host& host, const wchar_t* key) {
    return host.settings.Read(kApplication, kSection, key).value_or(std::wstring());
}

void SaveSetting(Host& host, const wchar_t* key, const Variant& value) {
    host.settings.Write(kApplication, kSection, key, value.ToText());
}

}  // namespace

Variant GetActDatabasePath(Host& host) {
    return RegistreUtilities::ReadRegistryValue(
        host, RegistryRoot::CurrentUser, L"Software\\Symantec\\ACT!\\Database", L"Last DB Name");
}

Variant GetNotesPath(Host& host) {
    return RegistreUtilities::ReadRegistryValue(host, RegistryRoot::LocalMachine,
                                                L"Software\\Lotus\\Notes", L"Path");
}

Variant GetGoldMinePath(Host& host) {
    return RegistreUtilities::ReadRegistryValue(
        host, RegistryRoot::LocalMachine,
        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GMW6.exe", L"Path");
}

Variant GetGoldmineUser(Host& host) {
    return ReadSetting(host, kGoldmineUser);
}

void SaveGoldmineUser(Host& host, const Variant& user) {
    SaveSetting(host, kGoldmineUser, user);
}

Variant GetGoldminePassword(Host& host) {
    return base64::Base64Decode(ReadSetting(host, kGoldminePassword));
}

void SaveGoldminePassword(Host& host, const Variant& password) {
    // The password is kept in the code page: one it cannot hold would be stored as another
    // password, and every later login would fail with it.
    const std::wstring text = password.ToText();
    if (FromAnsi(ToAnsi(text)) != text) {
        throw AutomationError::Standard(
            errors::kInvalidArgument,
            L"The GoldMine password holds characters that this computer's code page cannot "
            L"store; it was not saved");
    }
    SaveSetting(host, kGoldminePassword, base64::Base64Encode(password));
}

Variant GetGroupWiseAddressBook(Host& host) {
    return ReadSetting(host, kGroupWiseAddressBook);
}

void SaveGroupWiseAddressBook(Host& host, const Variant& position) {
    SaveSetting(host, kGroupWiseAddressBook, position);
}

std::wstring GetIcsFolder(Host& host) { return ReadSetting(host, kIcsFolder); }

Variant GetOutlookAddressBook(Host& host) {
    return ReadSetting(host, kOutlookAddressBook);
}

void SaveOutlookAddressBook(Host& host, const Variant& position) {
    SaveSetting(host, kOutlookAddressBook, position);
}

Variant GetSiteAnswers(Host& host) {
    return ReadSetting(host, kSiteAnswers);
}

void SaveSiteAnswers(Host& host, const Variant& answers) {
    SaveSetting(host, kSiteAnswers, answers);
}

std::wstring GetDavUrl(Host& host) { return ReadSetting(host, kDavUrl); }
void SaveDavUrl(Host& host, const std::wstring& url) { SaveSetting(host, kDavUrl, url); }
std::wstring GetDavUser(Host& host) { return ReadSetting(host, kDavUser); }
void SaveDavUser(Host& host, const std::wstring& user) { SaveSetting(host, kDavUser, user); }
std::wstring GetDavAddressBook(Host& host) { return ReadSetting(host, kDavAddressBook); }
void SaveDavAddressBook(Host& host, const std::wstring& href) {
    SaveSetting(host, kDavAddressBook, href);
}
std::wstring GetDavCalendar(Host& host) { return ReadSetting(host, kDavCalendar); }
void SaveDavCalendar(Host& host, const std::wstring& href) { SaveSetting(host, kDavCalendar, href); }
std::wstring GetDavTaskCalendar(Host& host) { return ReadSetting(host, kDavTaskCalendar); }
void SaveDavTaskCalendar(Host& host, const std::wstring& href) {
    SaveSetting(host, kDavTaskCalendar, href);
}
std::wstring GetDavCaFile(Host& host) { return ReadSetting(host, kDavCaFile); }
void SaveDavCaFile(Host& host, const std::wstring& file) { SaveSetting(host, kDavCaFile, file); }

std::optional<std::wstring> GetDavPassword(Host& host) { return host.secrets.Read(kDavPassword); }

void SaveDavPassword(Host& host, const std::wstring& password) {
    host.secrets.Write(kDavPassword, password);
}

std::vector<std::pair<std::wstring, std::wstring>> DescribeSettings(Host& host) {
    const std::wstring password = ReadSetting(host, kGoldminePassword);
    return {
        {kGoldmineUser, ReadSetting(host, kGoldmineUser)},
        {kGoldminePassword, password.empty() ? L"" : kMasked},
        {kGroupWiseAddressBook, ReadSetting(host, kGroupWiseAddressBook)},
        {kOutlookAddressBook, ReadSetting(host, kOutlookAddressBook)},
        {kIcsFolder, ReadSetting(host, kIcsFolder)},
        {kDavUrl, ReadSetting(host, kDavUrl)},
        {kDavUser, ReadSetting(host, kDavUser)},
        {kDavPassword, GetDavPassword(host) ? kMasked : L""},
        {kDavAddressBook, ReadSetting(host, kDavAddressBook)},
        {kDavCalendar, ReadSetting(host, kDavCalendar)},
        {kDavTaskCalendar, ReadSetting(host, kDavTaskCalendar)},
        {kDavCaFile, ReadSetting(host, kDavCaFile)},
    };
}

}  // namespace orvantis::ConfigUtilities

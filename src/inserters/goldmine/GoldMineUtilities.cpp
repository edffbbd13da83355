#include "inserters/goldmine/GoldMineUtilities.hpp"

#include <array>
#include <utility>

#include "support/ConfigUtilities.hpp"

namespace orvantis::GoldMineUtilities {
namespace {

// GoldMine's automation names, all in this one table so that they can be checked against a
// real GoldMine in one place; docs/ARCHITECTURE.md says where each comes from.
namespace names {
constexpr wchar_t kProgId[] = L"GMComAPI.Application";
constexpr wchar_t kSystemFolder[] = L"SystemFolder";
constexpr wchar_t kGoldmineFolder[] = L"GoldmineFolder";
constexpr wchar_t kCommonFolder[] = L"CommonFolder";
constexpr wchar_t kUserName[] = L"GMUserName";
constexpr wchar_t kPassword[] = L"GMPassword";
constexpr wchar_t kLogin[] = L"Login";
constexpr wchar_t kNewFieldSet[] = L"NewContainer";
constexpr wchar_t kAddField[] = L"SetValue";
constexpr wchar_t kExecute[] = L"Execute";
constexpr wchar_t kWriteContact[] = L"WriteContact";
}  // namespace names

// GoldMine's contact fields in the order they are added; every one is added, empty or not.
using ContactField = std::pair<const wchar_t*, std::wstring (*)(const AgentContact&)>;
const std::array<ContactField, 12> kContactFields = {{
    {L"Contact", [](const AgentContact& c) { return FirstLastName(c); }},
    {L"Company", [](const AgentContact& c) { return c.CompanyName; }},
    {L"Email", [](const AgentContact& c) { return c.CompanyEmail.ToText(); }},
    {L"Address1", [](const AgentContact& c) { return c.CompanyAddressStreet; }},
    {L"Country", [](const AgentContact& c) { return c.CompanyAddressCountry; }},
    {L"Zip", [](const AgentContact& c) { return c.CompanyAddressZip; }},
    {L"City", [](const AgentContact& c) { return c.CompanyAddressCity; }},
    {L"Website", [](const AgentContact& c) { return c.SiteURL; }},
    {L"Phone1", [](const AgentContact& c) { return c.CompanyPhone; }},
    {L"Comments", [](const AgentContact& c) { return c.Notes; }},
    {L"Fax", [](const AgentContact& c) { return c.CompanyFax.ToText(); }},
    {L"Title", [](const AgentContact& c) { return c.JobTitle; }},
}};

}  // namespace

void WriteGoldMineContact(Host& host, const AgentContact& contact) {
    // The registered folder is used as stored: GoldMine itself judges a missing or odd one.
    const std::wstring folder = ConfigUtilities::GetGoldMinePath(host).ToText();
    const ObjectRef application = host.objects.CreateObject(names::kProgId);
    application->Put(names::kSystemFolder, folder);
    application->Put(names::kGoldmineFolder, folder + L"\\GMBase");
    application->Put(names::kCommonFolder, folder + L"\\Common");
    application->Put(names::kUserName, ConfigUtilities::GetGoldmineUser(host).ToText());
    application->Put(names::kPassword, ConfigUtilities::GetGoldminePassword(host).ToText());
    application->Call(names::kLogin);
    const ObjectRef fields = RequireObject(application->Call(names::kNewFieldSet));
    for (const auto& [name, value] : kContactFields) {
        fields->Call(names::kAddField, {name, value(contact)});  // the field object is let go at once
    }
    application->Call(names::kExecute, {names::kWriteContact, fields});
}

}  // namespace orvantis::GoldMineUtilities

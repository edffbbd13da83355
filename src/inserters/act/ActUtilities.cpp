#include "inserters/act/ActUtilities.hpp"

#include <array>
#include <utility>

#include "inserters/act/ActLoginDialog.hpp"

namespace orvantis::ActUtilities {
namespace {

constexpr wchar_t kProgId[] = L"ACTOLE.DATABASE";
constexpr int kExclamationOk = 48;

// ACT! addresses a contact's fields by number, passed as 16-bit integers; written in this order.
using ContactField = std::pair<std::int16_t, Variant (*)(const AgentContact&)>;
const std::array<ContactField, 11> kContactFields = {{
    {5, [](const AgentContact&) { return Variant(std::int16_t{1}); }},
    {40, [](const AgentContact& c) { return Variant(c.Firstname); }},
    {26, [](const AgentContact& c) { return Variant(FirstLastName(c)); }},
    {200, [](const AgentContact& c) { return Variant(c.Email); }},
    {27, [](const AgentContact& c) { return Variant(c.CompanyAddressStreet); }},
    {30, [](const AgentContact& c) { return Variant(c.CompanyAddressCity); }},
    {32, [](const AgentContact& c) { return Variant(c.CompanyAddressZip); }},
    {31, [](const AgentContact& c) { return Variant(c.CompanyAddressCountry); }},
    {25, [](const AgentContact& c) { return Variant(c.CompanyName); }},
    {35, [](const AgentContact& c) { return Variant(c.CompanyPhone); }},
    {36, [](const AgentContact& c) { return c.CompanyFax; }},
}};

}  // namespace

void CheckActLogin(Host& host, Object& database) {
    if (!database.Get(L"IsMultiUser").ToBoolean()) return;
    auto& login = ThreadDialog<ActLoginDialog>();
    ShowModally(login, host);
    std::array<Argument, 2> credentials{{{login.UserName(), true}, {login.Password(), true}}};
    database.Invoke(L"ValidateUser", CallKind::Method, credentials);
}

bool WriteActContact(Host& host, const AgentContact& contact, const std::wstring& databasePath) {
    const ObjectRef database = host.objects.CreateObject(kProgId);
    database->Call(L"Open", {Variant()});
    CheckActLogin(host, *database);
    database->Call(L"Open", {databasePath});
    if (!database->Get(L"IsOpen").ToBoolean()) {
        // The wording is what users of the earlier control know; the lone CR is its line break.
        host.ui.MessageBox(L"A error has been procedeed during the ACT! insertion\r"
                           L"Please check your database part (" + databasePath + L")",
                           L"Orvantis Agent Alert", kExclamationOk);
        return false;
    }
    const ObjectRef record = RequireObject(database->Get(L"contact"));
    record->Call(L"MoveFirst");
    record->Call(L"Add");
    for (const auto& [field, value] : kContactFields) record->Call(L"Data", {field, value(contact)});
    const Variant stored = record->Call(L"Update");
    record->Call(L"GoTo", {stored.ToText()});
    return true;
}

}  // namespace orvantis::ActUtilities

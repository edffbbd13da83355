#include "inserters/groupwise/GroupWiseUtilities.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "automation/AutomationError.hpp"
#include "automation/Enumerator.hpp"
#include "automation/Object.hpp"
#include "automation/Text.hpp"
#include "inserters/groupwise/GroupWiseDialog.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::GroupWiseUtilities {
namespace {

// The members named here are those of GroupWise's published object interface; the others
// are known by their identifiers in GroupWise's type library alone.
constexpr wchar_t kProgId[] = L"NovellGroupWareSession";
constexpr wchar_t kAppointmentClass[] = L"GW.MESSAGE.APPOINTMENT";
constexpr std::int32_t kDefaultMember = 0;
constexpr std::int32_t kEntryFinalCall = 0x60020003;
constexpr std::int32_t kAppointmentInteger = 0x60010013;
constexpr std::int32_t kAppointmentBoolean = 0x60020009;
constexpr std::int16_t kFieldType = 1;
constexpr std::int16_t kDefinitionIndex = 1;

// The contact's fields in the order they are added, each under GroupWise's number for its
// field definition.
using ContactField = std::pair<std::int16_t, Variant (*)(const AgentContact&)>;
const std::array<ContactField, 15> kFieldsBeforeFax = {{
    {10, [](const AgentContact& c) { return Variant(c.Lastname); }},
    {7, [](const AgentContact& c) { return Variant(c.Firstname); }},
    {12, [](const AgentContact& c) { return Variant(c.JobTitle); }},
    {33, [](const AgentContact& c) { return Variant(c.HomeAddressStreet); }},
    {29, [](const AgentContact& c) { return Variant(c.HomeAddressCity); }},
    {31, [](const AgentContact& c) { return Variant(c.HomeAddressZip); }},
    {30, [](const AgentContact& c) { return Variant(c.HomeAddressCountry); }},
    {21, [](const AgentContact& c) { return Variant(c.CompanyAddressStreet); }},
    {20, [](const AgentContact& c) { return Variant(c.CompanyAddressCity); }},
    {14, [](const AgentContact& c) { return Variant(c.CompanyAddressZip); }},
    {19, [](const AgentContact& c) { return Variant(c.CompanyAddressCountry); }},
    {16, [](const AgentContact& c) { return Variant(c.PersonalMobile); }},
    {9, [](const AgentContact& c) { return c.PersonalPhone; }},
    {11, [](const AgentContact& c) { return Variant(c.CompanyName); }},
    {8, [](const AgentContact& c) { return Variant(c.CompanyPhone); }},
}};
const std::array<ContactField, 2> kFieldsAfterFax = {{
    {4, [](const AgentContact& c) { return Variant(c.Notes); }},
    {28, [](const AgentContact& c) { return Variant(c.SiteURL); }},
}};

// GroupWise names the fax field differently across versions and languages, and numbers it
// differently too; by name it can never land on another field.
constexpr std::array<std::wstring_view, 6> kFaxFieldNames = {
    L"Fax Number",          L"Fax",        L"Business Fax",
    L"Business Fax Number", L"Office Fax", L"Office Fax Number"};

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

bool IsFaxField(std::wstring_view name) {
    for (const auto fax : kFaxFieldNames) {
        if (EqualsIgnoringCase(Trimmed(name), fax)) return true;
    }
    return false;
}

Member DefaultMember() {
    return Member::FromDispatchId(kDefaultMember);
}

// A session logged into the running client's session, and its account; both are held until
// the caller is done.
struct Session {
    ObjectRef session;
    ObjectRef account;
};

Session LogIn(Host& host) {
    ObjectRef session = host.objects.CreateObject(kProgId);
    session->Call(L"Login");
    ObjectRef account = RequireObject(session->Get(L"Account"));
    return {std::move(session), std::move(account)};
}

// The stored list position, as the address-book collection counts (from 1).
std::int16_t ChosenAddressBook(Host& host) {
    const std::int16_t position = ConfigUtilities::GetGroupWiseAddressBook(host).ToInteger();
    if (position == INT16_MAX) throw AutomationError::Standard(errors::kOverflow);
    return static_cast<std::int16_t>(position + 1);
}

// The name GroupWise gives the field of that definition in the address book.
std::wstring FieldName(Object& addressBook, std::int16_t definition) {
    const Variant definitions = addressBook.Get(L"FieldDefinitions");
    const Variant found =
        Dereference(definitions).Get(DefaultMember(), {definition, kDefinitionIndex});
    return Dereference(found).Get(DefaultMember()).ToText();
}

// The address book's own name for the fax field; nothing when it has none.
std::optional<std::wstring> FaxFieldName(Object& addressBook) {
    std::optional<std::wstring> name;
    ForEach(Dereference(addressBook.Get(L"FieldDefinitions")), [&](const Variant& definition) {
        if (name) return;
        std::wstring candidate = Dereference(definition).Get(DefaultMember()).ToText();
        if (IsFaxField(candidate)) name = std::move(candidate);
    });
    return name;
}

void AddFields(Object& addressBook, Object& fields, const AgentContact& contact,
               std::span<const ContactField> rows) {
    for (const auto& [definition, value] : rows) {
        fields.Call(L"Add", {FieldName(addressBook, definition), kFieldType, value(contact)});
    }
}

// The text object's default member is its plain text.
void SetText(Object& appointment, const wchar_t* member, const std::wstring& text) {
    Dereference(appointment.Get(member)).Put(DefaultMember(), text);
}

}  // namespace

std::vector<std::wstring> ListGroupWiseAddressBooks(Host& host) {
    const auto [session, account] = LogIn(host);
    const std::int16_t count = Dereference(account->Get(L"AddressBooks")).Get(L"Count").ToInteger();
    std::vector<std::wstring> names;
    for (int position = 1; position <= count; ++position) {
        const Variant books = account->Get(L"AddressBooks");
        const Variant book =
            Dereference(books).Get(DefaultMember(), {static_cast<std::int16_t>(position)});
        names.push_back(Dereference(book).Get(L"Name").ToText());
    }
    return names;
}

void WriteGroupWiseContact(Host& host, const AgentContact& contact) {
    ShowGroupWiseDialog(host);
    const auto [session, account] = LogIn(host);
    const std::wstring displayName = DisplayName(contact);
    const std::int16_t position = ChosenAddressBook(host);
    const ObjectRef addressBook =
        RequireObject(Dereference(account->Get(L"AddressBooks")).Get(DefaultMember(), {position}));
    const ObjectRef entry = RequireObject(Dereference(addressBook->Get(L"AddressBookEntries"))
                                              .Call(L"Add", {displayName, contact.Email}));
    const ObjectRef fields = RequireObject(entry->Get(L"Fields"));
    AddFields(*addressBook, *fields, contact, kFieldsBeforeFax);
    if (const auto fax = FaxFieldName(*addressBook)) {
        fields->Call(L"Add", {*fax, kFieldType, contact.CompanyFax});
    }
    AddFields(*addressBook, *fields, contact, kFieldsAfterFax);
    entry->Call(Member::FromDispatchId(kEntryFinalCall));
}

void WriteGroupWiseAppointment(Host& host, const AgentEvent& event) {
    const ObjectRef session = host.objects.CreateObject(kProgId);
    const ObjectRef account = RequireObject(session->Call(L"Login"));
    const Variant mailBox = account->Get(L"MailBox");
    const Variant messages = Dereference(mailBox).Get(L"Messages");
    const ObjectRef appointment =
        RequireObject(Dereference(messages).Call(L"Add", {kAppointmentClass}));
    SetText(*appointment, L"Subject", event.Subject);
    SetText(*appointment, L"BodyText", event.Notes);
    appointment->Put(Member::FromDispatchId(kAppointmentInteger), std::int32_t{0});
    appointment->Put(Member::FromDispatchId(kAppointmentBoolean), true);
}

}  // namespace orvantis::GroupWiseUtilities

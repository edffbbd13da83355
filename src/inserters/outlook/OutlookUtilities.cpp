#include "inserters/outlook/OutlookUtilities.hpp"

#include <array>
#include <functional>
#include <utility>

#include "automation/Enumerator.hpp"
#include "support/ConfigUtilities.hpp"
#include "support/PassOver.hpp"
#include "support/PictureFile.hpp"

namespace orvantis::OutlookUtilities {
namespace {

constexpr wchar_t kProgId[] = L"Outlook.Application";
constexpr std::int32_t kContactsFolder = 10;
constexpr std::int32_t kContactItem = 2;
constexpr std::int32_t kAppointmentItem = 1;
constexpr std::int32_t kTaskItem = 3;

// The contact's fields in the order they are written, each to its Outlook property.
using ContactField = std::pair<const wchar_t*, Variant (*)(const AgentContact&)>;
const std::array<ContactField, 21> kContactFields = {{
    {L"FirstName", [](const AgentContact& c) { return Variant(c.Firstname); }},
    {L"LastName", [](const AgentContact& c) { return Variant(c.Lastname); }},
    {L"Email1Address", [](const AgentContact& c) { return Variant(c.Email); }},
    {L"HomeAddressStreet", [](const AgentContact& c) { return Variant(c.HomeAddressStreet); }},
    {L"HomeAddressCity", [](const AgentContact& c) { return Variant(c.HomeAddressCity); }},
    {L"HomeAddressPostalCode", [](const AgentContact& c) { return Variant(c.HomeAddressZip); }},
    {L"HomeAddressCountry", [](const AgentContact& c) { return Variant(c.HomeAddressCountry); }},
    {L"HomeTelephoneNumber", [](const AgentContact& c) { return Variant(c.PersonalPhone.ToText()); }},
    {L"MobileTelephoneNumber", [](const AgentContact& c) { return Variant(c.PersonalMobile); }},
    {L"CompanyName", [](const AgentContact& c) { return Variant(c.CompanyName); }},
    {L"BusinessAddressStreet", [](const AgentContact& c) { return Variant(c.CompanyAddressStreet); }},
    {L"BusinessAddressCity", [](const AgentContact& c) { return Variant(c.CompanyAddressCity); }},
    {L"BusinessAddressPostalCode", [](const AgentContact& c) { return Variant(c.CompanyAddressZip); }},
    {L"BusinessAddressCountry", [](const AgentContact& c) { return Variant(c.CompanyAddressCountry); }},
    {L"BusinessTelephoneNumber", [](const AgentContact& c) { return Variant(c.CompanyPhone); }},
    // Outlook's contact has no BusinessFaxTelephoneNumber: the fax would always be lost.
    {L"BusinessFaxNumber", [](const AgentContact& c) { return Variant(c.CompanyFax.ToText()); }},
    {L"Email2Address", [](const AgentContact& c) { return Variant(c.CompanyEmail.ToText()); }},
    {L"Body", [](const AgentContact& c) { return Variant(c.Notes); }},
    {L"BusinessHomePage", [](const AgentContact& c) { return Variant(c.SiteURL); }},
    {L"JobTitle", [](const AgentContact& c) { return Variant(c.JobTitle); }},
    {L"CustomerID", [](const AgentContact& c) { return Variant(c.OrvantisID); }},
}};

// The filter that finds the contacts of one identifier. An apostrophe is doubled inside the
// literal, so an identifier such as O'Brien finds its contact and none can widen the match.
std::wstring CustomerIdFilter(const std::wstring& identifier) {
    std::wstring literal;
    for (wchar_t c : identifier) {
        literal += c;
        if (c == L'\'') literal += c;
    }
    return L"[CustomerID] = '" + literal + L"'";
}

// Outlook takes pictures from version 11 on; the major number is the digits before the first
// point. A version that cannot be read takes none.
bool TakesPictures(const std::wstring& version) {
    const auto point = version.find(L'.');
    if (point == 0 || point == std::wstring::npos) return false;
    int major = 0;
    for (std::size_t i = 0; i < point; ++i) {
        if (version[i] < L'0' || version[i] > L'9' || major > 1000) return false;
        major = major * 10 + (version[i] - L'0');
    }
    return major >= 11;
}

// Visits the folders that hold contacts, one level below each top-level folder, until the
// visitor answers false.
void ForEachContactFolder(Object& nameSpace, const std::function<bool(const Variant&)>& visit) {
    bool more = true;
    ForEach(Dereference(nameSpace.Get(L"Folders")), [&](const Variant& store) {
        if (!more) return;
        ForEach(Dereference(Dereference(store).Get(L"Folders")), [&](const Variant& folder) {
            if (more && Dereference(folder).Get(L"DefaultItemType").ToLong() == kContactItem) {
                more = visit(folder);
            }
        });
    });
}

// The folder the user chose in the address-book dialog, or nothing.
ObjectRef ChosenContactFolder(Host& host, Object& nameSpace) {
    const std::wstring position = ConfigUtilities::GetOutlookAddressBook(host).ToText();
    if (position.empty()) return nullptr;
    std::int32_t index = -1;
    PassOver([&] { index = Variant(position).ToLong(); });
    return index < 0 ? nullptr : FindOutlookContactFolder(nameSpace, index);
}

}  // namespace

ObjectRef FindOutlookContactFolder(Object& nameSpace, int position) {
    ObjectRef found;
    int count = 0;
    ForEachContactFolder(nameSpace, [&](const Variant& folder) {
        if (count++ != position) return true;
        found = RequireObject(folder);
        return false;
    });
    return found;
}

std::vector<std::wstring> ListOutlookContactFolders(Host& host) {
    const ObjectRef application = host.objects.CreateObject(kProgId);
    const ObjectRef nameSpace = RequireObject(application->Call(L"GetNamespace", {L"MAPI"}));
    nameSpace->Call(L"Logon");
    std::vector<std::wstring> names;
    ForEachContactFolder(*nameSpace, [&](const Variant& folder) {
        names.push_back(Dereference(folder).Get(L"Name").ToText());
        return true;
    });
    return names;
}

bool WriteOutlookContact(Host& host, const AgentContact& contact) {
    // Without Outlook nothing can be stored, and the caller must hear of it.
    const ObjectRef application = host.objects.CreateObject(kProgId);
    Variant nameSpace, folder, item;
    PassOver([&] { nameSpace = application->Call(L"GetNamespace", {L"MAPI"}); });
    PassOver([&] { Dereference(nameSpace).Call(L"Logon"); });
    PassOver([&] {
        ObjectRef chosen = ChosenContactFolder(host, Dereference(nameSpace));
        folder = chosen ? Variant(std::move(chosen))
                        : Dereference(nameSpace).Call(L"GetDefaultFolder", {kContactsFolder});
    });
    PassOver([&] {
        item = Dereference(Dereference(folder).Get(L"Items")).Call(L"Add", {kContactItem});
    });
    if (!contact.OrvantisID.empty()) {
        PassOver([&] {
            const Variant found = Dereference(Dereference(folder).Get(L"Items"))
                                      .Call(L"Restrict", {CustomerIdFilter(contact.OrvantisID)});
            if (Dereference(found).Get(L"Count").ToLong() <= 0) return;
            // The last match wins; the new contact is then never saved.
            ForEach(Dereference(found), [&](const Variant& match) { item = match; });
        });
    }
    for (const auto& field : kContactFields) {
        PassOver([&] { Dereference(item).Put(field.first, field.second(contact)); });
    }
    PictureFile picture(host.files);
    PassOver([&] {
        if (contact.PictureData.empty() || !TakesPictures(application->Get(L"Version").ToText())) {
            return;
        }
        Dereference(item).Call(L"AddPicture", {picture.Write(contact.PictureData)});
    });
    const bool saved = PassOver([&] { Dereference(item).Call(L"Save"); });
    PassOver([&] { Dereference(nameSpace).Call(L"Logoff"); });
    return saved;
}

void WriteOutlookAppointment(Host& host, const AgentEvent& event) {
    const ObjectRef application = host.objects.CreateObject(kProgId);
    const ObjectRef item = RequireObject(application->Call(L"CreateItem", {kAppointmentItem}));
    item->Put(L"Subject", event.Subject);
    item->Put(L"Start", event.StarDate);
    item->Put(L"End", event.EndDate);
    item->Put(L"Body", event.Notes);
    item->Put(L"Location", event.Location);
    item->Put(L"AllDayEvent", event.FullDay);
    item->Put(L"ReminderSet", false);
    // An event without a reminder is stored with the reminder off; text that is not a number
    // is still refused.
    const Variant reminder(event.Reminder);
    if (!event.Reminder.empty() && reminder.ToDouble() > 0) {
        item->Put(L"ReminderMinutesBeforeStart", reminder.ToLong());
        item->Put(L"ReminderSet", true);
    }
    item->Call(L"Save");
}

void WriteOutlookTask(Host& host, const AgentTodo& todo) {
    const ObjectRef application = host.objects.CreateObject(kProgId);
    Dereference(application->Call(L"GetNamespace", {L"MAPI"})).Call(L"Logon");
    const ObjectRef item = RequireObject(application->Call(L"CreateItem", {kTaskItem}));
    item->Put(L"Subject", todo.Subject);
    item->Put(L"Body", todo.Notes);
    item->Put(L"StartDate", todo.StarDate);
    item->Put(L"DueDate", todo.EndDate);
    // Only the three levels Outlook knows are written; anything else keeps its default.
    for (const std::int32_t importance : {0, 1, 2}) {
        if (todo.Priority == std::to_wstring(importance)) item->Put(L"Importance", importance);
    }
    if (todo.Status >= 0 && todo.Status <= 2) item->Put(L"Status", std::int32_t{todo.Status});
    item->Call(L"Save");
}

}  // namespace orvantis::OutlookUtilities

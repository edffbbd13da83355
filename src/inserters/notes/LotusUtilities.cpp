#include "inserters/notes/LotusUtilities.hpp"

#include <array>
#include <optional>
#include <utility>

#include "automation/DateTime.hpp"
#include "support/PassOver.hpp"
#include "support/PictureFile.hpp"

namespace orvantis::LotusUtilities {
namespace {

constexpr wchar_t kProgId[] = L"Lotus.NotesSession";
constexpr wchar_t kAlertTitle[] = L"Orvantis Agent Alert";
constexpr wchar_t kPasswordMessage[] =
    L"A error has been procedeed during the Lotus Notes insertion.\rPlease check your password";
constexpr std::int32_t kEmbedAttachment = 1454;

// The Person document's items in the order they are written, each from its contact property.
// The three variant properties go as the value they hold.
using ContactItem = std::pair<const wchar_t*, Variant (*)(const AgentContact&)>;
const std::array<ContactItem, 23> kContactItems = {{
    {L"Form", [](const AgentContact&) { return Variant(L"Person"); }},
    {L"FirstName", [](const AgentContact& c) { return Variant(c.Firstname); }},
    {L"LastName", [](const AgentContact& c) { return Variant(c.Lastname); }},
    {L"MailAddress", [](const AgentContact& c) { return Variant(c.Email); }},
    {L"StreetAddress", [](const AgentContact& c) { return Variant(c.HomeAddressStreet); }},
    {L"City", [](const AgentContact& c) { return Variant(c.HomeAddressCity); }},
    {L"Zip", [](const AgentContact& c) { return Variant(c.HomeAddressZip); }},
    {L"country", [](const AgentContact& c) { return Variant(c.HomeAddressCountry); }},
    {L"PhoneNumber", [](const AgentContact& c) { return c.PersonalPhone; }},
    {L"CellPhoneNumber", [](const AgentContact& c) { return Variant(c.PersonalMobile); }},
    {L"CompanyName", [](const AgentContact& c) { return Variant(c.CompanyName); }},
    {L"OfficeStreetAddress", [](const AgentContact& c) { return Variant(c.CompanyAddressStreet); }},
    {L"OfficeCity", [](const AgentContact& c) { return Variant(c.CompanyAddressCity); }},
    {L"OfficeZIP", [](const AgentContact& c) { return Variant(c.CompanyAddressZip); }},
    {L"OfficeCountry", [](const AgentContact& c) { return Variant(c.CompanyAddressCountry); }},
    {L"OfficePhoneNumber", [](const AgentContact& c) { return Variant(c.CompanyPhone); }},
    {L"OfficeFAXPhoneNumber", [](const AgentContact& c) { return c.CompanyFax; }},
    // The company's e-mail address has always gone here, and users' address books hold it.
    {L"MiscPhone1", [](const AgentContact& c) { return c.CompanyEmail; }},
    {L"WebSite", [](const AgentContact& c) { return Variant(c.SiteURL); }},
    {L"JobTitle", [](const AgentContact& c) { return Variant(c.JobTitle); }},
    {L"PersPager", [](const AgentContact& c) { return Variant(c.IMNumber); }},
    {L"FullName", [](const AgentContact& c) { return Variant(FirstLastName(c)); }},
    {L"OrvantisID", [](const AgentContact& c) { return Variant(c.OrvantisID); }},
}};

// A session that has started, or nothing once the user has been told that it would not.
// Creating it is not passed over: without Notes nothing can be stored, and the caller must
// hear of it.
ObjectRef StartSession(Host& host, std::optional<std::wstring> password) {
    ObjectRef session = host.objects.CreateObject(kProgId);
    try {
        password ? session->Call(L"Initialize", {*password}) : session->Call(L"Initialize");
        return session;
    } catch (const AutomationError&) {
    }
    session.reset();  // released before the user is told, so Notes is not held meanwhile
    host.ui.MessageBox(kPasswordMessage, kAlertTitle, box::kExclamation);
    return nullptr;
}

// The formula that finds the documents of one identifier. Inside the quoted literal a
// backslash and a quote are escaped, so an identifier finds its own document and nothing else.
std::wstring IdentifierFormula(const std::wstring& identifier) {
    std::wstring literal;
    for (wchar_t c : identifier) {
        if (c == L'\\' || c == L'"') literal += L'\\';
        literal += c;
    }
    return L"OrvantisID = \"" + literal + L"\"";
}

// A date as the mail database's documents have always been given it: numbers without
// leading zeros, no seconds, and the appointment's day before its month (the task's month
// before its day).
std::wstring MailDateText(DateValue date, bool dayFirst) {
    const CivilTime t = SplitDate(date.days);
    return std::to_wstring(t.year) + L"-" + std::to_wstring(dayFirst ? t.day : t.month) + L"-" +
           std::to_wstring(dayFirst ? t.month : t.day) + L" " + std::to_wstring(t.hour) + L":" +
           std::to_wstring(t.minute) + L":00";
}

// A new document of the mail database.
Variant NewMailDocument(Object& session) {
    Variant document;
    PassOver([&] {
        const Variant directory = session.Call(L"GetDbDirectory", {L""});
        const Variant database = Dereference(directory).Call(L"OpenMailDatabase");
        document = Dereference(database).Call(L"CreateDocument");
    });
    return document;
}

void ReplaceItem(const Variant& document, const wchar_t* name, const Variant& value) {
    PassOver([&] { Dereference(document).Call(L"ReplaceItemValue", {name, value}); });
}

// A NotesDateTime made from the text, passed as the item's value.
void ReplaceDateItem(Object& session, const Variant& document, const wchar_t* name,
                     const std::wstring& text) {
    PassOver([&] {
        const Variant dateTime = session.Call(L"CreateDateTime", {text});
        Dereference(document).Call(L"ReplaceItemValue", {name, dateTime});
    });
}

void AppendRichText(const Variant& document, const wchar_t* name, const std::wstring& text) {
    PassOver([&] {
        Dereference(Dereference(document).Call(L"CreateRichTextItem", {name}))
            .Call(L"AppendText", {text});
    });
}

// Whether the document was saved. A validation failure does not keep it from being saved.
bool ComputeAndSave(const Variant& document, bool createResponse) {
    PassOver([&] { Dereference(document).Call(L"ComputeWithForm", {true, true}); });
    return PassOver([&] { Dereference(document).Call(L"Save", {true, createResponse, false}); });
}

}  // namespace

bool WriteNotesContact(Host& host, const AgentContact& contact) {
    const ObjectRef session = StartSession(host, L"");
    if (!session) return false;
    Variant book, document;
    bool update = false;
    PassOver([&] {
        const Variant directory = session->Call(L"GetDbDirectory", {L""});
        book = Dereference(directory).Call(L"OpenDatabase", {L"names.nsf", false});
    });
    PassOver([&] {
        // Without an identifier a search would find every document lacking one (the user's
        // own contacts and groups among them): such a contact is always a new document.
        if (!contact.OrvantisID.empty()) {
            // Not a date, so no cut-off: every document is searched.
            const Variant cutoff = session->Call(L"CreateDateTime", {L"eerer"});
            const Variant found = Dereference(book).Call(
                L"Search", {IdentifierFormula(contact.OrvantisID), cutoff, std::int32_t{0}});
            if (Dereference(found).Get(L"Count").ToLong() > 0) {
                document = Dereference(found).Call(L"GetFirstDocument");
                update = true;
                return;
            }
        }
        document = Dereference(book).Call(L"CreateDocument");
    });
    for (const auto& [name, value] : kContactItems) ReplaceItem(document, name, value(contact));
    // An update replaces the notes and the picture rather than adding them once more.
    if (update) PassOver([&] { Dereference(document).Call(L"RemoveItem", {L"Briefcase"}); });
    AppendRichText(document, L"Briefcase", contact.Notes);
    if (!contact.PictureData.empty()) {
        if (update) PassOver([&] { Dereference(document).Call(L"RemoveItem", {L"Comment"}); });
        PictureFile picture(host.files);
        std::wstring path;
        PassOver(
            [&] { path = picture.WriteNamed(contact.PictureData, DisplayName(contact), L".gif"); });
        Variant comment;
        PassOver(
            [&] { comment = Dereference(document).Call(L"CreateRichTextItem", {L"Comment"}); });
        PassOver([&] {
            Dereference(comment).Call(L"EmbedObject", {kEmbedAttachment, L"", path, L""});
        });
    }
    ReplaceItem(document, L"Type", L"Person");
    return ComputeAndSave(document, true);
}

bool WriteNotesAppointment(Host& host, const AgentEvent& event) {
    const ObjectRef session = StartSession(host, std::nullopt);
    if (!session) return false;
    const Variant document = NewMailDocument(*session);
    const std::wstring start = MailDateText(event.StarDate, true);
    ReplaceItem(document, L"Form", L"Appointment");
    ReplaceDateItem(*session, document, L"StartDateTime", start);
    ReplaceDateItem(*session, document, L"EndDateTime", MailDateText(event.EndDate, true));
    ReplaceDateItem(*session, document, L"CalendarDateTime", start);
    ReplaceItem(document, L"AppointmentType", L"3");
    ReplaceItem(document, L"Location", event.Location);
    ReplaceItem(document, L"Subject", event.Subject);
    ReplaceItem(document, L"Categories", event.Category);
    AppendRichText(document, L"Notes", event.Notes);
    if (event.FullDay) ReplaceItem(document, L"AppointmentType", L"2");
    // Only a reminder that reads as a positive number of minutes sets the alarm.
    double minutes = 0;
    PassOver([&] {
        if (!event.Reminder.empty()) minutes = Variant(event.Reminder).ToDouble();
    });
    if (minutes > 0) {
        ReplaceItem(document, L"$Alarm", L"1");
        ReplaceItem(document, L"$AlarmOffset", 0 - minutes);
    }
    return ComputeAndSave(document, false);
}

bool WriteNotesTask(Host& host, const AgentTodo& todo) {
    const ObjectRef session = StartSession(host, std::nullopt);
    if (!session) return false;
    const std::wstring due = MailDateText(todo.EndDate, false);
    const Variant document = NewMailDocument(*session);
    ReplaceItem(document, L"Form", L"Task");
    ReplaceItem(document, L"Subject", todo.Subject);
    ReplaceItem(document, L"Category", todo.Category);
    AppendRichText(document, L"Body", todo.Notes);
    ReplaceItem(document, L"StartDateTime", todo.StarDate);
    ReplaceDateItem(*session, document, L"DueDateTime", due);
    ReplaceItem(document, L"StartDate", todo.StarDate);
    ReplaceDateItem(*session, document, L"DueDate", due);
    // Only the values Notes knows are written, each compared as the whole exact text.
    constexpr std::pair<const wchar_t*, const wchar_t*> kImportance[] = {
        {L"0", L"3"}, {L"1", L"2"}, {L"2", L"1"}};
    for (const auto& [priority, importance] : kImportance) {
        if (todo.Priority == priority) ReplaceItem(document, L"Importance", importance);
    }
    constexpr std::pair<std::int16_t, const wchar_t*> kDueState[] = {
        {0, L"0"}, {1, L"1"}, {2, L"9"}};
    for (const auto& [status, dueState] : kDueState) {
        if (todo.Status == status) ReplaceItem(document, L"DueState", dueState);
    }
    return ComputeAndSave(document, false);
}

}  // namespace orvantis::LotusUtilities

#include "items/ItemReaders.hpp"

#include <string>
#include <string_view>

#include "automation/AutomationError.hpp"
#include "items/StringToDate.hpp"

namespace orvantis {
namespace {

template <class R>
struct Field {
    std::wstring_view element;
    void (*store)(R& record, std::wstring&& text);
};

#define ORVANTIS_TEXT_FIELD(R, element, property) \
    Field<R> { element, [](R& r, std::wstring&& text) { r.property = std::move(text); } }

const Field<AgentContact> kContactFields[] = {
    ORVANTIS_TEXT_FIELD(AgentContact, L"firstname", Firstname),
    ORVANTIS_TEXT_FIELD(AgentContact, L"lastname", Lastname),
    ORVANTIS_TEXT_FIELD(AgentContact, L"email", Email),
    ORVANTIS_TEXT_FIELD(AgentContact, L"address", HomeAddressStreet),
    ORVANTIS_TEXT_FIELD(AgentContact, L"city", HomeAddressCity),
    ORVANTIS_TEXT_FIELD(AgentContact, L"postal-code", HomeAddressZip),
    ORVANTIS_TEXT_FIELD(AgentContact, L"country", HomeAddressCountry),
    ORVANTIS_TEXT_FIELD(AgentContact, L"phone", PersonalPhone),
    ORVANTIS_TEXT_FIELD(AgentContact, L"mobile-phone", PersonalMobile),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company", CompanyName),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-address", CompanyAddressStreet),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-city", CompanyAddressCity),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-postal-code", CompanyAddressZip),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-country", CompanyAddressCountry),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-phone", CompanyPhone),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-fax", CompanyFax),
    ORVANTIS_TEXT_FIELD(AgentContact, L"company-email", CompanyEmail),
    ORVANTIS_TEXT_FIELD(AgentContact, L"site-url", SiteURL),
    ORVANTIS_TEXT_FIELD(AgentContact, L"job-title", JobTitle),
    ORVANTIS_TEXT_FIELD(AgentContact, L"notes", Notes),
    ORVANTIS_TEXT_FIELD(AgentContact, L"id", OrvantisID),
    ORVANTIS_TEXT_FIELD(AgentContact, L"instant-messaging", IMNumber),
    ORVANTIS_TEXT_FIELD(AgentContact, L"picture", PictureData),
};

const Field<AgentEvent> kEventFields[] = {
    ORVANTIS_TEXT_FIELD(AgentEvent, L"subject", Subject),
    {L"start", [](AgentEvent& e, std::wstring&& text) { e.StarDate = StringToDate(text); }},
    {L"end", [](AgentEvent& e, std::wstring&& text) { e.EndDate = StringToDate(text); }},
    ORVANTIS_TEXT_FIELD(AgentEvent, L"location", Location),
    ORVANTIS_TEXT_FIELD(AgentEvent, L"category", Category),
    // Read as a 16-bit number and kept as its decimal text: blanks and leading zeros go.
    {L"reminder",
     [](AgentEvent& e, std::wstring&& text) { e.Reminder = std::to_wstring(TextToInteger(text)); }},
    ORVANTIS_TEXT_FIELD(AgentEvent, L"notes", Notes),
    {L"full-day", [](AgentEvent& e, std::wstring&& text) { e.FullDay = TextToBoolean(text); }},
    // Only the "ics" target uses it, as the UID; the products' inserters ignore it.
    ORVANTIS_TEXT_FIELD(AgentEvent, L"id", OrvantisID),
};

const Field<AgentTodo> kTodoFields[] = {
    ORVANTIS_TEXT_FIELD(AgentTodo, L"subject", Subject),
    {L"start", [](AgentTodo& t, std::wstring&& text) { t.StarDate = StringToDate(text); }},
    {L"end", [](AgentTodo& t, std::wstring&& text) { t.EndDate = StringToDate(text); }},
    ORVANTIS_TEXT_FIELD(AgentTodo, L"notes", Notes),
    ORVANTIS_TEXT_FIELD(AgentTodo, L"priority", Priority),
    {L"state", [](AgentTodo& t, std::wstring&& text) { t.Status = TextToInteger(text); }},
    ORVANTIS_TEXT_FIELD(AgentTodo, L"id", OrvantisID),
};

#undef ORVANTIS_TEXT_FIELD

template <class R, std::size_t N>
void FillRecord(const XmlDocument& document, XmlDocument::NodeId item, R& record,
                const Field<R> (&fields)[N]) {
    for (auto child = document.FirstChild(item); child != XmlDocument::kNone;
         child = document.NextSibling(child)) {
        if (document.Kind(child) != XmlNodeKind::Element) {
            throw AutomationError::Standard(errors::kTypeMismatch,
                                            L"an item holds something other than field elements");
        }
        const std::wstring_view name = document.Name(child);
        for (const auto& field : fields) {
            if (field.element == name) {
                field.store(record, document.TextContent(child));
                break;
            }
        }
    }
}

template <class R, std::size_t N, class Deliver>
void ReadAll(const XmlDocument& document, std::wstring_view element, const Field<R> (&fields)[N],
             Deliver deliver) {
    for (const auto item : document.ElementsByTagName(element)) {
        auto record = std::make_shared<R>();
        FillRecord(document, item, *record, fields);
        deliver(record);
    }
}

}  // namespace

void ReadContacts(const XmlDocument& document, RecordSink& sink) {
    ReadAll(document, L"contact", kContactFields, [&](AgentContactRef& r) { sink.Contact(r); });
}

void ReadEvents(const XmlDocument& document, RecordSink& sink) {
    ReadAll(document, L"event", kEventFields, [&](AgentEventRef& r) { sink.Event(r); });
}

void ReadTodos(const XmlDocument& document, RecordSink& sink) {
    ReadAll(document, L"todo", kTodoFields, [&](AgentTodoRef& r) { sink.Todo(r); });
}

void ReadItems(const XmlDocument& document, RecordSink& sink) {
    ReadContacts(document, sink);
    ReadEvents(document, sink);
    ReadTodos(document, sink);
}

}  // namespace orvantis

#include "items/InserterUtilities.hpp"

#include "automation/AutomationError.hpp"
#include "exports/DesktopUtilities.hpp"
#include "exports/OExpressUtilities.hpp"

namespace orvantis {
namespace {

template <class RecordRef>
void Dispatch(Host& host, RecordRef& record, std::wstring_view target,
              std::span<const Route<RecordRef>> routes) {
    for (const auto& route : routes) {
        if (route.target != target) continue;
        if (!route.insert) {
            throw AutomationError::Standard(
                errors::kMemberNotSupported,
                std::wstring(route.inserter) + L" is not available in this build");
        }
        route.insert(host, record);
        return;
    }
}

const Route<AgentContactRef> kContactRoutes[] = {
    {L"notes", L"WriteNotesContact", nullptr},
    {L"outlook", L"WriteOutlookContact", nullptr},
    {L"oexpress", L"WriteOExpressContact",
     [](Host& host, AgentContactRef& contact) {
         OExpressUtilities::WriteOExpressContact(host, *contact);
     }},
    {L"goldmine", L"WriteGoldMineContact", nullptr},
    {L"msn", L"WriteContact",
     [](Host& host, AgentContactRef& contact) {
         WriteContactLateBound(host, contact, L"Orvantis.MsnInserter", L"msn");
     }},
    {L"act", L"WriteActContact", nullptr},
    {L"desktop", L"WriteDesktopContact",
     [](Host& host, AgentContactRef& contact) {
         DesktopUtilities::WriteDesktopContact(host, *contact);
     }},
    {L"onenotes", L"WriteContact",
     [](Host& host, AgentContactRef& contact) {
         WriteContactLateBound(host, contact, L"Orvantis.OneNotesInserter", L"onenotes");
     }},
    {L"groupwise", L"WriteGroupWiseContact", nullptr},
};

const Route<AgentEventRef> kEventRoutes[] = {
    {L"notes", L"WriteNotesAppointment", nullptr},
    {L"outlook", L"WriteOutlookAppointment", nullptr},
    {L"groupwise", L"WriteGroupWiseAppointment", nullptr},
};

const Route<AgentTodoRef> kTodoRoutes[] = {
    {L"notes", L"WriteNotesTask", nullptr},
    {L"outlook", L"WriteOutlookTask", nullptr},
};

}  // namespace

std::span<const Route<AgentContactRef>> ContactRoutes() { return kContactRoutes; }
std::span<const Route<AgentEventRef>> EventRoutes() { return kEventRoutes; }
std::span<const Route<AgentTodoRef>> TodoRoutes() { return kTodoRoutes; }

void InsertContact(Host& host, AgentContactRef& contact, std::wstring_view target) {
    Dispatch(host, contact, target, ContactRoutes());
}

void InsertEvent(Host& host, AgentEventRef& event, std::wstring_view target) {
    Dispatch(host, event, target, EventRoutes());
}

void InsertTodo(Host& host, AgentTodoRef& todo, std::wstring_view target) {
    Dispatch(host, todo, target, TodoRoutes());
}

void WriteContactLateBound(Host& host, AgentContactRef& contact, const std::wstring& progId,
                           std::wstring_view target) {
    ObjectRef inserter;
    try {
        inserter = host.objects.CreateObject(progId);
    } catch (const AutomationError& error) {
        if (error.Number() != errors::kCannotCreateObject) throw;
        throw AutomationError::Standard(errors::kObjectRequired,
                                        L"no inserter is installed for the target \"" +
                                            std::wstring(target) + L"\" (" + progId + L")");
    }
    Argument record{Variant(ObjectRef(contact)), true};
    inserter->Invoke(L"WriteContact", CallKind::Method, std::span(&record, 1));

    // Take back whatever the reference now holds; it must still be a contact (or nothing).
    const ObjectRef returned = record.value.IsObject() ? record.value.ToObject() : nullptr;
    auto replaced = std::dynamic_pointer_cast<AgentContact>(returned);
    if (!record.value.IsObject() || (returned && !replaced)) {
        throw AutomationError::Standard(errors::kTypeMismatch);
    }
    contact = std::move(replaced);
}

}  // namespace orvantis

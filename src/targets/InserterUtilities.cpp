#include "targets/InserterUtilities.hpp"

#include "exports/OExpressUtilities.hpp"
#include "inserters/act/ActUtilities.hpp"
#include "inserters/goldmine/GoldMineUtilities.hpp"
#include "inserters/goldmine/GoldmineDialog.hpp"
#include "inserters/groupwise/GroupWiseUtilities.hpp"
#include "inserters/notes/LotusUtilities.hpp"
#include "inserters/outlook/OutlookUtilities.hpp"
#include "support/ConfigUtilities.hpp"
#include "targets/DesktopTarget.hpp"
#include "targets/IcsTarget.hpp"
#include "targets/PlugInInserter.hpp"

namespace orvantis {
namespace {

const Target kTargets[] = {
    {.name = L"notes",
     .prepare = [](Host& host) { LotusUtilities::RegisterNotesLibrary(host); },
     .contact = [](Host& host,
                   AgentContactRef& contact) { LotusUtilities::WriteNotesContact(host, *contact); },
     .event = [](Host& host,
                 AgentEventRef& event) { LotusUtilities::WriteNotesAppointment(host, *event); },
     .todo = [](Host& host, AgentTodoRef& todo) { LotusUtilities::WriteNotesTask(host, *todo); }},
    {.name = L"outlook",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             OutlookUtilities::WriteOutlookContact(host, *contact);
         },
     .event = [](Host& host,
                 AgentEventRef& event) { OutlookUtilities::WriteOutlookAppointment(host, *event); },
     .todo = [](Host& host,
                AgentTodoRef& todo) { OutlookUtilities::WriteOutlookTask(host, *todo); }},
    {.name = L"oexpress",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             OExpressUtilities::WriteOExpressContact(host, *contact);
         }},
    {.name = L"goldmine",
     .prepare = [](Host& host) { ShowGoldmineDialog(host); },
     .contact =
         [](Host& host, AgentContactRef& contact) {
             GoldMineUtilities::WriteGoldMineContact(host, *contact);
         }},
    {.name = L"msn",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             WriteContactLateBound(host, contact, L"Orvantis.MsnInserter", L"msn");
         }},
    {.name = L"act",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             ActUtilities::WriteActContact(host, *contact,
                                           ConfigUtilities::GetActDatabasePath(host).ToText());
         }},
    {.name = L"desktop", .batch = CreateDesktopBatch},
    {.name = L"onenotes",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             WriteContactLateBound(host, contact, L"Orvantis.OneNotesInserter", L"onenotes");
         }},
    {.name = L"groupwise",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             GroupWiseUtilities::WriteGroupWiseContact(host, *contact);
         },
     .event =
         [](Host& host, AgentEventRef& event) {
             GroupWiseUtilities::WriteGroupWiseAppointment(host, *event);
         }},
    {.name = L"ics", .batch = CreateIcsBatch},
};

template <class RecordRef>
bool Insert(Host& host, RecordRef& record, std::wstring_view target,
            Inserter<RecordRef> Target::*kind) {
    const Target* row = FindTarget(target);
    const Inserter<RecordRef> insert = row ? row->*kind : nullptr;
    if (insert) insert(host, record);
    return insert != nullptr;
}

}  // namespace

const Target* FindTarget(std::wstring_view name) {
    for (const auto& target : kTargets) {
        if (target.name == name) return &target;
    }
    return nullptr;
}

void PrepareTarget(Host& host, std::wstring_view target) {
    const Target* row = FindTarget(target);
    if (row && row->prepare) row->prepare(host);
}

bool InsertContact(Host& host, AgentContactRef& contact, std::wstring_view target) {
    return Insert(host, contact, target, &Target::contact);
}

bool InsertEvent(Host& host, AgentEventRef& event, std::wstring_view target) {
    return Insert(host, event, target, &Target::event);
}

bool InsertTodo(Host& host, AgentTodoRef& todo, std::wstring_view target) {
    return Insert(host, todo, target, &Target::todo);
}

RouterSink::RouterSink(Host& host, std::wstring target) : host_(host), target_(std::move(target)) {
    const Target* row = FindTarget(target_);
    if (row && row->batch) batch_ = row->batch(host_);
}

void RouterSink::Contact(AgentContactRef& contact) {
    taken_.contacts += batch_ ? batch_->Contact(*contact) : InsertContact(host_, contact, target_);
}

void RouterSink::Event(AgentEventRef& event) {
    taken_.events += batch_ ? batch_->Event(*event) : InsertEvent(host_, event, target_);
}

void RouterSink::Todo(AgentTodoRef& todo) {
    taken_.todos += batch_ ? batch_->Todo(*todo) : InsertTodo(host_, todo, target_);
}

std::optional<std::size_t> RouterSink::Finish() {
    if (!batch_) return std::nullopt;
    return batch_->Finish();
}

}  // namespace orvantis

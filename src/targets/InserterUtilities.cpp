#include "targets/InserterUtilities.hpp"

#include <type_traits>

#include "dav/DavTarget.hpp"
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

// A procedure that writes one record, as the table holds it: one that says whether the
// product took the record says so; any other raises when the record was not written.
template <auto Write, class RecordRef>
bool Written(Host& host, RecordRef& record) {
    if constexpr (std::is_same_v<decltype(Write(host, *record)), bool>) {
        return Write(host, *record);
    } else {
        Write(host, *record);
        return true;
    }
}

const Target kTargets[] = {
    {.name = L"notes",
     .prepare = [](Host& host) { LotusUtilities::RegisterNotesLibrary(host); },
     .contact = Written<LotusUtilities::WriteNotesContact>,
     .event = Written<LotusUtilities::WriteNotesAppointment>,
     .todo = Written<LotusUtilities::WriteNotesTask>},
    {.name = L"outlook",
     .contact = Written<OutlookUtilities::WriteOutlookContact>,
     .event = Written<OutlookUtilities::WriteOutlookAppointment>,
     .todo = Written<OutlookUtilities::WriteOutlookTask>},
    {.name = L"oexpress", .contact = Written<OExpressUtilities::WriteOExpressContact>},
    {.name = L"goldmine",
     .prepare = [](Host& host) { ShowGoldmineDialog(host); },
     .contact = Written<GoldMineUtilities::WriteGoldMineContact>},
    {.name = L"msn",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             WriteContactLateBound(host, contact, L"Orvantis.MsnInserter", L"msn");
             return true;
         }},
    {.name = L"act",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             return ActUtilities::WriteActContact(
                 host, *contact, ConfigUtilities::GetActDatabasePath(host).ToText());
         }},
    {.name = L"desktop", .batch = CreateDesktopBatch, .batchTakes = {.events = false, .todos = false}},
    {.name = L"onenotes",
     .contact =
         [](Host& host, AgentContactRef& contact) {
             WriteContactLateBound(host, contact, L"Orvantis.OneNotesInserter", L"onenotes");
             return true;
         }},
    {.name = L"groupwise",
     .contact = Written<GroupWiseUtilities::WriteGroupWiseContact>,
     .event = Written<GroupWiseUtilities::WriteGroupWiseAppointment>},
    {.name = L"ics", .batch = CreateIcsBatch},
    {.name = L"dav", .batch = CreateDavBatch},
};

template <class RecordRef>
Routed Insert(Host& host, RecordRef& record, std::wstring_view target,
              Inserter<RecordRef> Target::*kind) {
    const Target* row = FindTarget(target);
    const Inserter<RecordRef> insert = row ? row->*kind : nullptr;
    if (!insert) return Routed::Dropped;
    return insert(host, record) ? Routed::Stored : Routed::PassedOver;
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

Routed InsertContact(Host& host, AgentContactRef& contact, std::wstring_view target) {
    return Insert(host, contact, target, &Target::contact);
}

Routed InsertEvent(Host& host, AgentEventRef& event, std::wstring_view target) {
    return Insert(host, event, target, &Target::event);
}

Routed InsertTodo(Host& host, AgentTodoRef& todo, std::wstring_view target) {
    return Insert(host, todo, target, &Target::todo);
}

RecordKinds KindsTakenBy(const Target& row) {
    if (row.batch) return row.batchTakes;
    return {.contacts = row.contact != nullptr,
            .events = row.event != nullptr,
            .todos = row.todo != nullptr};
}

RouterSink::RouterSink(Host& host, std::wstring target) : host_(host), target_(std::move(target)) {
    const Target* row = FindTarget(target_);
    if (row && row->batch) {
        batch_ = row->batch(host_);
        batchTakes_ = row->batchTakes;
    }
}

void RouterSink::Count(Routed routed, std::size_t& stored) {
    if (routed == Routed::Stored) ++stored;
    if (routed == Routed::PassedOver) ++taken_.passedOver;
}

void RouterSink::Contact(AgentContactRef& contact) {
    if (!batch_) {
        Count(InsertContact(host_, contact, target_), taken_.contacts);
    } else if (batchTakes_.contacts) {
        batch_->Contact(*contact);
        ++taken_.contacts;
    }
}

void RouterSink::Event(AgentEventRef& event) {
    if (!batch_) {
        Count(InsertEvent(host_, event, target_), taken_.events);
    } else if (batchTakes_.events) {
        batch_->Event(*event);
        ++taken_.events;
    }
}

void RouterSink::Todo(AgentTodoRef& todo) {
    if (!batch_) {
        Count(InsertTodo(host_, todo, target_), taken_.todos);
    } else if (batchTakes_.todos) {
        batch_->Todo(*todo);
        ++taken_.todos;
    }
}

std::optional<std::wstring> RouterSink::Finish() {
    if (!batch_) return std::nullopt;
    return batch_->Finish();
}

}  // namespace orvantis

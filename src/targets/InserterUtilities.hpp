#pragma once

#include <span>
#include <string>
#include <string_view>

#include "items/ItemReaders.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// The procedure that writes one record of a kind into a target; none: the target takes no
// record of that kind, which is then read and dropped.
template <class RecordRef>
using Inserter = void (*)(Host& host, RecordRef& record);

// One row of the target table: what a document's "open" name does before its items are read,
// and which inserter writes each kind of record. Adding a product is one row.
struct Target {
    std::wstring_view name;
    void (*prepare)(Host& host) = nullptr;
    Inserter<AgentContactRef> contact = nullptr;
    Inserter<AgentEventRef> event = nullptr;
    Inserter<AgentTodoRef> todo = nullptr;
};

// The row of a target name, compared exactly (case and blanks count); null for any other name,
// which then routes nothing.
const Target* FindTarget(std::wstring_view name);

// Runs the target's preparation, if it has one. It traps nothing.
void PrepareTarget(Host& host, std::wstring_view target);

// The routers: each hands one record to its target's inserter and traps nothing.
void InsertContact(Host& host, AgentContactRef& contact, std::wstring_view target);
void InsertEvent(Host& host, AgentEventRef& event, std::wstring_view target);
void InsertTodo(Host& host, AgentTodoRef& todo, std::wstring_view target);

// Hands each record to its router for one target.
class RouterSink : public RecordSink {
public:
    RouterSink(Host& host, std::wstring target) : host_(host), target_(std::move(target)) {}
    void Contact(AgentContactRef& contact) override { InsertContact(host_, contact, target_); }
    void Event(AgentEventRef& event) override { InsertEvent(host_, event, target_); }
    void Todo(AgentTodoRef& todo) override { InsertTodo(host_, todo, target_); }

private:
    Host& host_;
    std::wstring target_;
};

}  // namespace orvantis

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "items/ItemReaders.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// The fixed routing table: which inserter writes a record of each kind for a target name.
// Names are compared exactly; the first equal one decides; no match routes nothing.
template <class RecordRef>
struct Route {
    std::wstring_view target;
    std::wstring_view inserter;                  // the inserter's name, for messages
    void (*insert)(Host& host, RecordRef& record);  // null while that inserter is not built
};

std::span<const Route<AgentContactRef>> ContactRoutes();
std::span<const Route<AgentEventRef>> EventRoutes();
std::span<const Route<AgentTodoRef>> TodoRoutes();

// The routers. A route whose inserter is not built raises 438 naming it, so nothing is
// reported as done that was not done. They trap nothing.
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

// The "msn" and "onenotes" contract: the inserter object answering to the ProgID gets the
// record by reference through WriteContact and may hand back a replacement. With no such
// component installed the call fails with 424, naming the target.
void WriteContactLateBound(Host& host, AgentContactRef& contact, const std::wstring& progId,
                           std::wstring_view target);

}  // namespace orvantis

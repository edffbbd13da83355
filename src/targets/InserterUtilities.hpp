#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "items/ItemBatch.hpp"
#include "items/ItemReaders.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// The procedure that writes one record of a kind into a target: true when the product took
// it, false when the product passed it over (and the user was told, or nothing is said, as
// the inserter's own rules have it); none: the target takes no record of that kind, which is
// then read and dropped.
template <class RecordRef>
using Inserter = bool (*)(Host& host, RecordRef& record);

// Which kinds of record a target takes; the others are read and dropped.
struct RecordKinds {
    bool contacts = true;
    bool events = true;
    bool todos = true;
};

// One row of the target table: what a document's "open" name does before its items are read,
// and which inserter writes each kind of record. Adding a product is one row.
struct Target {
    std::wstring_view name;
    void (*prepare)(Host& host) = nullptr;
    Inserter<AgentContactRef> contact = nullptr;
    Inserter<AgentEventRef> event = nullptr;
    Inserter<AgentTodoRef> todo = nullptr;
    // Set for a target that takes its records as a batch instead of inserters, with the kinds
    // of record it takes.
    std::unique_ptr<ItemBatch> (*batch)(Host& host) = nullptr;
    RecordKinds batchTakes = {};
};

// What a target takes: its batch's kinds, or the kinds it has an inserter for.
RecordKinds KindsTakenBy(const Target& row);

// The row of a target name, compared exactly (case and blanks count); null for any other name,
// which then routes nothing.
const Target* FindTarget(std::wstring_view name);

// Runs the target's preparation, if it has one. It traps nothing.
void PrepareTarget(Host& host, std::wstring_view target);

// What became of a record handed to a target.
enum class Routed { Dropped, Stored, PassedOver };

// The routers: each hands one record to its target's inserter and traps nothing.
Routed InsertContact(Host& host, AgentContactRef& contact, std::wstring_view target);
Routed InsertEvent(Host& host, AgentEventRef& event, std::wstring_view target);
Routed InsertTodo(Host& host, AgentTodoRef& todo, std::wstring_view target);

// Hands each record to its router for one target, or to the target's batch, counting the
// records the target took and those its product passed over.
class RouterSink : public RecordSink {
public:
    RouterSink(Host& host, std::wstring target);
    void Contact(AgentContactRef& contact) override;
    void Event(AgentEventRef& event) override;
    void Todo(AgentTodoRef& todo) override;
    // Once every record was read: a batch target writes what it took, and says in a few
    // words what it wrote; none for a target of inserters.
    std::optional<std::wstring> Finish();

    struct Taken {
        std::size_t contacts = 0;
        std::size_t events = 0;
        std::size_t todos = 0;
        std::size_t passedOver = 0;
    };
    const Taken& taken() const { return taken_; }

private:
    void Count(Routed routed, std::size_t& stored);

    Host& host_;
    std::wstring target_;
    std::unique_ptr<ItemBatch> batch_;
    RecordKinds batchTakes_;
    Taken taken_;
};

}  // namespace orvantis

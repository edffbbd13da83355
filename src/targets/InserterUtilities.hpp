#pragma once

#include <memory>
#include <optional>
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

// A target that takes a document's records together: it is made before the first record is
// read, takes each in document order (false: it takes no record of that kind, which is then
// dropped), and finishes once all were read, saying how many files it wrote. A load that
// ends in an error never finishes it, so nothing of a half-read document is written.
class ItemBatch {
public:
    virtual ~ItemBatch() = default;
    virtual bool Contact(const AgentContact& contact) = 0;
    virtual bool Event(const AgentEvent& event) = 0;
    virtual bool Todo(const AgentTodo& todo) = 0;
    virtual std::size_t Finish() = 0;
};

// One row of the target table: what a document's "open" name does before its items are read,
// and which inserter writes each kind of record. Adding a product is one row.
struct Target {
    std::wstring_view name;
    void (*prepare)(Host& host) = nullptr;
    Inserter<AgentContactRef> contact = nullptr;
    Inserter<AgentEventRef> event = nullptr;
    Inserter<AgentTodoRef> todo = nullptr;
    // Set for a target that takes every kind of record as a batch instead of inserters.
    std::unique_ptr<ItemBatch> (*batch)(Host& host) = nullptr;
};

// The row of a target name, compared exactly (case and blanks count); null for any other name,
// which then routes nothing.
const Target* FindTarget(std::wstring_view name);

// Runs the target's preparation, if it has one. It traps nothing.
void PrepareTarget(Host& host, std::wstring_view target);

// The routers: each hands one record to its target's inserter and traps nothing. False when
// the target has no inserter for the record, which is then dropped.
bool InsertContact(Host& host, AgentContactRef& contact, std::wstring_view target);
bool InsertEvent(Host& host, AgentEventRef& event, std::wstring_view target);
bool InsertTodo(Host& host, AgentTodoRef& todo, std::wstring_view target);

// Hands each record to its router for one target, or to the target's batch, counting the
// records the target took.
class RouterSink : public RecordSink {
public:
    RouterSink(Host& host, std::wstring target);
    void Contact(AgentContactRef& contact) override;
    void Event(AgentEventRef& event) override;
    void Todo(AgentTodoRef& todo) override;
    // Once every record was read: a batch target writes what it took, and the number of files
    // it wrote is returned; none for a target of inserters.
    std::optional<std::size_t> Finish();

    struct Taken {
        std::size_t contacts = 0;
        std::size_t events = 0;
        std::size_t todos = 0;
    };
    const Taken& taken() const { return taken_; }

private:
    Host& host_;
    std::wstring target_;
    std::unique_ptr<ItemBatch> batch_;
    Taken taken_;
};

}  // namespace orvantis

#pragma once

#include <string>
#include <string_view>

#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"

namespace orvantis {

// A target that takes a document's records together: it is made before the first record is
// read, takes each record of the kinds its row names in document order, and finishes once all
// were read, saying in a few words what it wrote ("wrote 2 file(s)"). A load that ends in an
// error while reading never finishes it, so nothing of a half-read document is written.
class ItemBatch {
public:
    virtual ~ItemBatch() = default;
    virtual void Contact(const AgentContact&) {}
    virtual void Event(const AgentEvent&) {}
    virtual void Todo(const AgentTodo&) {}
    virtual std::wstring Finish() = 0;
};

// What a batch that writes files says of them.
inline std::wstring WroteFiles(std::size_t files) {
    return L"wrote " + std::to_wstring(files) + L" file(s)";
}

}  // namespace orvantis

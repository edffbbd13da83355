#pragma once

#include <ostream>
#include <string>

#include "items/ItemReaders.hpp"

namespace orvantis::cli {

// Prints each record as one line of JSON: "item", "target", then every property by name.
class RecordPrinter : public RecordSink {
public:
    RecordPrinter(std::ostream& out, std::wstring target) : out_(out), target_(std::move(target)) {}
    void Contact(AgentContactRef& contact) override;
    void Event(AgentEventRef& event) override;
    void Todo(AgentTodoRef& todo) override;

private:
    std::ostream& out_;
    std::wstring target_;
};

}  // namespace orvantis::cli

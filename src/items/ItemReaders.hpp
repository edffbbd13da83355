#pragma once

#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"
#include "platform/XmlDocument.hpp"

namespace orvantis {

// Where the readers hand each finished record: the routers during a load, a printer when a
// document is only checked. The record is passed by reference and may be replaced.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void Contact(AgentContactRef& contact) = 0;
    virtual void Event(AgentEventRef& event) = 0;
    virtual void Todo(AgentTodoRef& todo) = 0;
};

// Each reader builds one record per element of its kind, anywhere in the document and in
// document order, and hands it to the sink before reading the next. They trap nothing: a
// child that is not an element or a value that does not convert raises, and ends the read.
void ReadContacts(const XmlDocument& document, RecordSink& sink);
void ReadEvents(const XmlDocument& document, RecordSink& sink);
void ReadTodos(const XmlDocument& document, RecordSink& sink);

// The three readers in their order: contacts, events, tasks.
void ReadItems(const XmlDocument& document, RecordSink& sink);

}  // namespace orvantis

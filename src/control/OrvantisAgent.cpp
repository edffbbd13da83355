#include "control/OrvantisAgent.hpp"

#include "control/Request.hpp"
#include "targets/InserterUtilities.hpp"

namespace orvantis {
namespace {

// Marks a load as running, and on every way out leaves the loaded flag telling whether this
// load (not one nested inside it) ran to its end.
class ActiveLoad {
public:
    ActiveLoad(int& count, bool& loaded) : count_(count), loaded_(loaded) {
        ++count_;
        loaded_ = false;
    }
    ~ActiveLoad() {
        --count_;
        loaded_ = finished;
    }
    ActiveLoad(const ActiveLoad&) = delete;
    ActiveLoad& operator=(const ActiveLoad&) = delete;

    bool finished = false;

private:
    int& count_;
    bool& loaded_;
};

// The routers, counting the records that reached an inserter: a kind the target does not
// take is read and dropped, and is not reported as loaded.
class CountingSink : public RouterSink {
public:
    CountingSink(Host& host, const std::wstring& target)
        : RouterSink(host, target), row_(FindTarget(target)) {
        summary.target = target;
    }
    void Contact(AgentContactRef& contact) override {
        RouterSink::Contact(contact);
        Count(&Target::contact, summary.contacts);
    }
    void Event(AgentEventRef& event) override {
        RouterSink::Event(event);
        Count(&Target::event, summary.events);
    }
    void Todo(AgentTodoRef& todo) override {
        RouterSink::Todo(todo);
        Count(&Target::todo, summary.todos);
    }
    OrvantisAgent::LoadSummary summary;

private:
    template <class RecordRef>
    void Count(Inserter<RecordRef> Target::*kind, std::size_t& count) const {
        if (row_ && (row_->batch || row_->*kind)) ++count;
    }

    const Target* row_;
};

}  // namespace

Variant OrvantisAgent::LoadXML(Variant& var, const PageAddress& page) {
    ActiveLoad active(activeLoads_, loaded_);
    SiteLock lock(host_, page);
    // A text is read where it stands, not copied once more: nothing can change var before
    // ParseRequest has finished with it, since no box or program runs until then.
    std::wstring converted;
    const std::wstring* text = var.TextIf();
    if (!text) text = &(converted = var.ToText());
    auto request = ParseRequest(host_, *text);
    if (!request) return {};
    lock.Confirm(*request);
    PrepareTarget(host_, request->target);
    CountingSink counted(host_, request->target);
    ReadItems(request->document, counted);
    counted.Finish();
    lastLoad_ = counted.summary;
    active.finished = true;
    return {};
}

}  // namespace orvantis

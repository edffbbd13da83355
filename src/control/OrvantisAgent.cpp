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
    RouterSink router(host_, request->target);
    ReadItems(request->document, router);
    const auto written = router.Finish();
    const auto& taken = router.taken();
    lastLoad_ = {request->target, taken.contacts, taken.events, taken.todos, taken.passedOver, written};
    active.finished = true;
    return {};
}

}  // namespace orvantis

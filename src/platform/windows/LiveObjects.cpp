#include "platform/windows/LiveObjects.hpp"

namespace orvantis::windows {
namespace {

std::atomic<void (*)()> lastObjectAction{nullptr};

}  // namespace

std::atomic<long>& LiveObjectCount() {
    static std::atomic<long> count{0};
    return count;
}

void WhenLastObjectGoes(void (*action)()) { lastObjectAction = action; }

CountedObject::~CountedObject() {
    if (--LiveObjectCount() == 0) {
        if (const auto action = lastObjectAction.load()) action();
    }
}

}  // namespace orvantis::windows

#include "platform/windows/LiveObjects.hpp"

namespace orvantis::windows {
namespace {

std::atomic<void (*)(long)> goneAction{nullptr};

}  // namespace

std::atomic<long>& LiveObjectCount() {
    static std::atomic<long> count{0};
    return count;
}

void WhenObjectGoes(void (*action)(long left)) { goneAction = action; }

CountedObject::~CountedObject() {
    const long left = --LiveObjectCount();
    if (const auto action = goneAction.load()) action(left);
}

}  // namespace orvantis::windows

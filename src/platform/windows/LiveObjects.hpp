#pragma once

#include <atomic>

namespace orvantis::windows {

// Every COM object this code hands out counts itself here while it lives, so that the
// control's library can truthfully say whether it may be unloaded.
std::atomic<long>& LiveObjectCount();

class CountedObject {
public:
    CountedObject() { ++LiveObjectCount(); }
    ~CountedObject() { --LiveObjectCount(); }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
};

}  // namespace orvantis::windows

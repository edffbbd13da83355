#pragma once

#include <atomic>

namespace orvantis::windows {

// Every COM object this code hands out counts itself here while it lives, so that a library
// can truthfully say whether it may be unloaded.
std::atomic<long>& LiveObjectCount();

// Runs action (which must not throw) each time a counted object goes, with the number left,
// so that a server can tell when its clients are done with it.
void WhenObjectGoes(void (*action)(long left));

class CountedObject {
public:
    CountedObject() { ++LiveObjectCount(); }
    ~CountedObject();
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
};

}  // namespace orvantis::windows

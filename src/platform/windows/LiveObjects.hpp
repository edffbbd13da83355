#pragma once

#include <atomic>

namespace orvantis::windows {

// Every COM object this code hands out counts itself here while it lives, so that a library
// can truthfully say whether it may be unloaded.
std::atomic<long>& LiveObjectCount();

// Runs action (which must not throw) each time the module's last counted object goes: a
// server then knows that its clients are done with it.
void WhenLastObjectGoes(void (*action)());

class CountedObject {
public:
    CountedObject() { ++LiveObjectCount(); }
    ~CountedObject();
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
};

}  // namespace orvantis::windows

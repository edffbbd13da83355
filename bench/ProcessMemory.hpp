#pragma once

#include <string>

namespace orvantis::bench {

// VmRSS or VmHWM of this process, in bytes (Linux's /proc); -1 when it cannot be read.
long long StatusBytes(const std::string& field);

// Resets the process's peak (VmHWM) to what it holds now; false where the kernel refuses.
bool ResetPeak();

}  // namespace orvantis::bench

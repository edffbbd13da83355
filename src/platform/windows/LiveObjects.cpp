#include "platform/windows/LiveObjects.hpp"

namespace orvantis::windows {

std::atomic<long>& LiveObjectCount() {
    static std::atomic<long> count{0};
    return count;
}

}  // namespace orvantis::windows

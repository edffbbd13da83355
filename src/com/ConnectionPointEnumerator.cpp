#include "com/ConnectionPointEnumerator.hpp"

#include "com/EventConnectionPoint.hpp"

namespace orvantis::com {

HRESULT ConnectionPointEnumerator::Next(ULONG count, IConnectionPoint** points, ULONG* fetched) {
    if (!points || (count > 1 && !fetched)) return E_POINTER;
    ULONG given = 0;
    while (given < count && position_ < kPoints) {
        points[given++] = EventConnectionPoint::Make(Control()).Detach();
        ++position_;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT ConnectionPointEnumerator::Skip(ULONG count) {
    const ULONG left = kPoints - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT ConnectionPointEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT ConnectionPointEnumerator::Clone(IEnumConnectionPoints** copy) {
    if (!copy) return E_POINTER;
    *copy = Make(Control(), position_).Detach();
    return S_OK;
}

}  // namespace orvantis::com

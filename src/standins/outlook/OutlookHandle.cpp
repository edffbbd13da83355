#include "standins/outlook/OutlookHandle.hpp"

namespace orvantis::standins {
namespace {

constexpr std::wstring_view kOutlookSource = L"Microsoft Outlook";

}  // namespace

OutlookHandle::OutlookHandle(std::shared_ptr<OutlookWorld> world, std::wstring_view className)
    : ProductHandle(std::move(world), className, kOutlookSource) {}

std::size_t OutlookHandle::IndexIn(const Variant& index, std::size_t count) const {
    return PlaceOf(index, count, [](std::int32_t) { return std::wstring(L"Array index out of bounds."); });
}

}  // namespace orvantis::standins

#include "standins/outlook/OutlookHandle.hpp"

namespace orvantis::standins {
namespace {

constexpr std::wstring_view kOutlookSource = L"Microsoft Outlook";

}  // namespace

OutlookHandle::OutlookHandle(std::shared_ptr<OutlookWorld> world, std::wstring_view className)
    : ProductHandle(std::move(world), className, kOutlookSource) {}

std::size_t OutlookHandle::IndexIn(const Variant& index, std::size_t count) const {
    const std::int32_t position = index.ToLong();
    if (position < 1 || static_cast<std::size_t>(position) > count) {
        throw ProductError(L"Array index out of bounds.");
    }
    return static_cast<std::size_t>(position) - 1;
}

}  // namespace orvantis::standins

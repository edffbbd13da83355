#include "standins/outlook/OutlookProduct.hpp"

#include "automation/Unicode.hpp"
#include "standins/WorldListing.hpp"
#include "standins/outlook/OutlookStandIn.hpp"

namespace orvantis::standins {

void OutlookProduct::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kOutlookProgId),
                     [world = world_] { return CreateOutlookApplication(world); });
}

std::string OutlookProduct::Describe() const {
    return "Outlook " + Utf8FromWide(world_->version) + "\n" + ListContainers(world_->stores, 1);
}

}  // namespace orvantis::standins

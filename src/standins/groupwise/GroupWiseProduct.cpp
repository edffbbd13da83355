#include "standins/groupwise/GroupWiseProduct.hpp"

#include "standins/WorldListing.hpp"
#include "standins/groupwise/GroupWiseStandIn.hpp"

namespace orvantis::standins {

void GroupWiseProduct::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kGroupWiseProgId),
                     [world = world_] { return CreateGroupWiseSession(world); });
}

std::string GroupWiseProduct::Describe() const {
    WorldData data = world_->ToData();
    // The definitions are the same few dozen names in every book: their count says enough.
    for (auto& book : data.containers.front().containers) {
        for (auto& attribute : book.attributes) {
            attribute.SetValue(static_cast<std::int32_t>(attribute.ProductValue()->size()));
        }
    }
    return "GroupWise\n" + ListContainers(data.containers, 1);
}

}  // namespace orvantis::standins

#include "standins/act/ActProduct.hpp"

#include "automation/Unicode.hpp"
#include "standins/Members.hpp"
#include "standins/WorldListing.hpp"
#include "standins/act/ActStandIn.hpp"

namespace orvantis::standins {

void ActProduct::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kActProgId), [world = world_] { return CreateActDatabase(world); });
}

std::string ActProduct::Describe() const {
    return std::string("ACT!") + (world_->multiUser ? " (multi-user)" : "") + ", last database \"" +
           Utf8FromWide(world_->lastDatabase) + "\"\n" + ListContainers(world_->databases, 1);
}

std::optional<std::wstring> ActProduct::RegistryValue(RegistryRoot root, const std::wstring& key,
                                                      const std::wstring& name) const {
    if (root != RegistryRoot::CurrentUser || !SameName(key, L"Software\\Symantec\\ACT!\\Database") ||
        !SameName(name, L"Last DB Name") || world_->lastDatabase.empty()) {
        return std::nullopt;
    }
    return world_->lastDatabase;
}

}  // namespace orvantis::standins

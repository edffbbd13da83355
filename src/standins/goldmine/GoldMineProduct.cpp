#include "standins/goldmine/GoldMineProduct.hpp"

#include "automation/Unicode.hpp"
#include "standins/Members.hpp"
#include "standins/WorldListing.hpp"
#include "standins/goldmine/GoldMineStandIn.hpp"

namespace orvantis::standins {

void GoldMineProduct::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kGoldMineProgId),
                     [world = world_] { return CreateGoldMineApplication(world); });
}

std::string GoldMineProduct::Describe() const {
    return "GoldMine in \"" + Utf8FromWide(world_->programFolder) + "\"\n" +
           ListContainers({Container{L"Contacts", {}, {}, world_->contacts, {}}}, 1);
}

std::optional<std::wstring> GoldMineProduct::RegistryValue(RegistryRoot root, const std::wstring& key,
                                                           const std::wstring& name) const {
    if (root != RegistryRoot::LocalMachine ||
        !SameName(key, L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GMW6.exe") ||
        !SameName(name, L"Path") || world_->programFolder.empty()) {
        return std::nullopt;
    }
    return world_->programFolder;
}

}  // namespace orvantis::standins

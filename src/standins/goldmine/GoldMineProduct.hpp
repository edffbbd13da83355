#pragma once

#include "standins/ProductOf.hpp"
#include "standins/goldmine/GoldMineWorld.hpp"

namespace orvantis::standins {

// GoldMine in the sandbox: "GMComAPI.Application" onto one installation, kept in
// goldmine.json; its registry entry names its program folder.
class GoldMineProduct : public ProductOf<GoldMineWorld> {
public:
    const char* FileName() const override { return "goldmine.json"; }
    void Register(ObjectCatalog& catalog) override;
    std::string Describe() const override;
    std::optional<std::wstring> RegistryValue(RegistryRoot root, const std::wstring& key,
                                              const std::wstring& name) const override;
};

}  // namespace orvantis::standins

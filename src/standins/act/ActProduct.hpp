#pragma once

#include "standins/ProductOf.hpp"
#include "standins/act/ActWorld.hpp"

namespace orvantis::standins {

// ACT! in the sandbox: "ACTOLE.DATABASE" onto one installation, kept in act.json; its
// registry entry names the database it last opened.
class ActProduct : public ProductOf<ActWorld> {
public:
    const char* FileName() const override { return "act.json"; }
    void Register(ObjectCatalog& catalog) override;
    std::string Describe() const override;
    std::optional<std::wstring> RegistryValue(RegistryRoot root, const std::wstring& key,
                                              const std::wstring& name) const override;
};

}  // namespace orvantis::standins

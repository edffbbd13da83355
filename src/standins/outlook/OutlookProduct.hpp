#pragma once

#include "standins/ProductOf.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::standins {

// Outlook in the sandbox: "Outlook.Application" onto one running Outlook, kept in outlook.json.
class OutlookProduct : public ProductOf<OutlookWorld> {
public:
    const char* FileName() const override { return "outlook.json"; }
    void Register(ObjectCatalog& catalog) override;
    std::string Describe() const override;
    void ForgetIndexes() override { standins::ForgetIndexes(world_->stores); }
};

}  // namespace orvantis::standins

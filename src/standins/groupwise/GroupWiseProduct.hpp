#pragma once

#include "standins/ProductOf.hpp"
#include "standins/groupwise/GroupWiseWorld.hpp"

namespace orvantis::standins {

// GroupWise in the sandbox: "NovellGroupWareSession" onto one account, kept in groupwise.json.
class GroupWiseProduct : public ProductOf<GroupWiseWorld> {
public:
    const char* FileName() const override { return "groupwise.json"; }
    void Register(ObjectCatalog& catalog) override;
    std::string Describe() const override;
};

}  // namespace orvantis::standins

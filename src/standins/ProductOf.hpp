#pragma once

#include <memory>

#include "standins/Product.hpp"

namespace orvantis::standins {

// A product whose world is a plain struct shared by every handle onto it: World has a
// `ledger`, a static FromData and a ToData.
template <class WorldType>
class ProductOf : public Product {
public:
    WorldType& World() { return *world_; }
    void Read(const WorldData& data) override { *world_ = WorldType::FromData(data); }
    WorldData Write() const override { return world_->ToData(); }
    std::size_t LiveObjects() const override { return world_->ledger.liveObjects; }
    void CountCallsOnly() override { world_->ledger.calls.CountOnly(); }

protected:
    std::shared_ptr<WorldType> world_ = std::make_shared<WorldType>();
};

}  // namespace orvantis::standins

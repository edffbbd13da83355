#pragma once

#include <memory>

#include "automation/Object.hpp"
#include "standins/goldmine/GoldMineWorld.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kGoldMineProgId = L"GMComAPI.Application";

// A new GMComAPI.Application object onto the GoldMine installation that `world` is, not
// logged in.
ObjectRef CreateGoldMineApplication(std::shared_ptr<GoldMineWorld> world);

}  // namespace orvantis::standins

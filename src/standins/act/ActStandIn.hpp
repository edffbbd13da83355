#pragma once

#include <memory>

#include "automation/Object.hpp"
#include "standins/act/ActWorld.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kActProgId = L"ACTOLE.DATABASE";

// A new ACTOLE.DATABASE object onto the ACT! installation that `world` is, with no database open.
ObjectRef CreateActDatabase(std::shared_ptr<ActWorld> world);

}  // namespace orvantis::standins

#pragma once

#include <memory>

#include "automation/Object.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kOutlookProgId = L"Outlook.Application";

// A new Outlook.Application handle onto the running Outlook that `world` is.
ObjectRef CreateOutlookApplication(std::shared_ptr<OutlookWorld> world);

}  // namespace orvantis::standins

#pragma once

#include <string>

#include "platform/Host.hpp"

namespace orvantis::RegistreUtilities {

// One text value; empty when the key or the value is missing. Nothing is ever created.
std::wstring ReadRegistryValue(Host& host, RegistryRoot root, const std::wstring& key,
                               const std::wstring& name);

}  // namespace orvantis::RegistreUtilities

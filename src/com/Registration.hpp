#pragma once

#include <string>

#include "com/OrvantisTypes.hpp"

namespace orvantis::com {

// Writes the keys that make the control creatable (class, ProgID "Orvantis.OrvantisAgent",
// control category, type library and its interfaces) under a Classes key: the machine's
// (HKLM\Software\Classes) or the user's (HKCU\Software\Classes). On failure nothing stays.
HRESULT RegisterControl(HKEY classes, const std::wstring& modulePath);

// Removes exactly the keys RegisterControl writes; missing ones are no error.
HRESULT UnregisterControl(HKEY classes);

}  // namespace orvantis::com

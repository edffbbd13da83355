#pragma once

#include <cstdint>
#include <string>

#include "platform/Host.hpp"

namespace orvantis::RegistreUtilities {

// Root codes: 0 HKEY_LOCAL_MACHINE, 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_USER; any other
// code reads nothing. A missing key or value gives empty text; nothing is ever created.
std::wstring ReadRegistryValue(Host& host, std::int16_t rootCode, const std::wstring& key,
                               const std::wstring& name);

// A shell special folder's path, always ending in the separator; empty when there is none.
std::wstring GetSpecialFolderPath(Host& host, std::int32_t folderId);

}  // namespace orvantis::RegistreUtilities

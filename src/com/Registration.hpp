#pragma once

#include <functional>
#include <string>
#include <vector>

#include "com/OrvantisTypes.hpp"

namespace orvantis::com {

// One string value under a Classes key; an empty name is the key's default value.
struct RegistryValue {
    std::wstring key;
    std::wstring name;
    std::wstring data;
};

std::wstring GuidText(const GUID& id);

// Runs action on root's Software\Classes key, opened for writing.
HRESULT WithClassesKey(HKEY root, const std::function<HRESULT(HKEY)>& action);

// Writes the values of a server; on failure removes its owned keys, so nothing stays.
HRESULT WriteClasses(HKEY classes, const std::vector<RegistryValue>& values,
                     const std::vector<std::wstring>& ownedKeys);

// Removes the owned keys whole (missing ones are no error), and the CLSID, TypeLib and
// Interface parents once they are left empty.
HRESULT DeleteClasses(HKEY classes, const std::vector<std::wstring>& ownedKeys);

// Writes the keys that make the control creatable (class, ProgID "Orvantis.OrvantisAgent",
// control category, type library and its interfaces) under a Classes key: the machine's
// (HKLM\Software\Classes) or the user's (HKCU\Software\Classes). On failure nothing stays.
HRESULT RegisterControl(HKEY classes, const std::wstring& modulePath);

// Removes exactly the keys RegisterControl writes; missing ones are no error.
HRESULT UnregisterControl(HKEY classes);

}  // namespace orvantis::com

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

// Writes the values of a server, up to the first that fails.
HRESULT WriteClasses(HKEY classes, const std::vector<RegistryValue>& values);

// Removes the owned keys whole (missing ones are no error), and the CLSID, TypeLib and
// Interface parents once they are left empty.
HRESULT DeleteClasses(HKEY classes, const std::vector<std::wstring>& ownedKeys);

// Writes the keys that make the control creatable (class, ProgID "Orvantis.OrvantisAgent",
// control category, type library and its interfaces) under root's Classes key: the machine's
// (HKEY_LOCAL_MACHINE) or the user's (HKEY_CURRENT_USER). On failure nothing stays.
HRESULT RegisterControl(HKEY root, const std::wstring& modulePath);

// Removes the keys RegisterControl writes (missing ones are no error), but leaves the ProgID
// and the type library's key while the other architecture's control is registered.
HRESULT UnregisterControl(HKEY root);

}  // namespace orvantis::com

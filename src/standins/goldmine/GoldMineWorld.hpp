#pragma once

#include <map>
#include <string>
#include <vector>

#include "standins/Ledger.hpp"
#include "standins/WorldData.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kGoldMineContactKind = L"Contact";

// What a GoldMine installation holds: its program folder (with GMBase and Common below it,
// and the registry entry that names it), its users, and the contacts written so far, each
// with its fields in the order they were added.
struct GoldMineWorld {
    static constexpr std::wstring_view kSource = L"GMComAPI";

    std::wstring programFolder = L"C:\\GoldMine";  // empty: GoldMine left no registry entry
    std::map<std::wstring, std::wstring> users;     // upper-case user name -> password
    std::vector<Item> contacts;
    Ledger ledger;
    std::size_t fieldsAlive = 0;      // field objects not yet released; not saved
    std::size_t mostFieldsAlive = 0;  // the most that were alive at once; not saved

    GoldMineWorld();
    // Raises DamagedWorld for anything GoldMine could not hold.
    static GoldMineWorld FromData(const WorldData& data);
    WorldData ToData() const;

    // GoldMine upper-cases the user name at log-in; the password must match exactly.
    bool AcceptsLogin(const std::wstring& user, const std::wstring& password) const;
};

}  // namespace orvantis::standins

#pragma once

#include <map>
#include <string>
#include <vector>

#include "standins/Ledger.hpp"
#include "standins/WorldData.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kActContactKind = L"Contact";

// What an ACT! installation holds: its databases by path, each with its contact records
// (fields named by their ACT! numbers), whether the databases are shared by several users
// and who may log in to them, and the database ACT! last opened (its registry entry).
struct ActWorld {
    static constexpr std::wstring_view kSource = L"ACTOLE";

    std::vector<Container> databases;
    bool multiUser = false;
    std::map<std::wstring, std::wstring> users;  // user name -> password
    std::wstring lastDatabase;                   // empty: ACT! left no entry
    Ledger ledger;

    ActWorld();
    // Raises DamagedWorld for anything ACT! could not hold.
    static ActWorld FromData(const WorldData& data);
    WorldData ToData() const;

    // The database at this path (letter case ignored, as Windows does); null when none is.
    Container* FindDatabase(std::wstring_view path);
    bool AcceptsLogin(std::wstring_view user, std::wstring_view password) const;
};

}  // namespace orvantis::standins

#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "standins/Ledger.hpp"
#include "standins/WorldData.hpp"

namespace orvantis::standins {

// A field definition of an address book: GroupWise's number for it and its name.
struct GroupWiseFieldDefinition {
    std::int32_t number = 0;
    std::wstring name;
};

struct GroupWiseEntry {
    std::wstring displayName;
    std::wstring emailAddress;
    std::vector<Field> fields;  // as added, a second value of a name beside the first
    std::int32_t finalCalls = 0;
};

struct GroupWiseAddressBook {
    std::wstring name;
    std::vector<GroupWiseFieldDefinition> fieldDefinitions;
    std::vector<GroupWiseEntry> entries;

    // The definition GroupWise numbers so; null when the book has none.
    const GroupWiseFieldDefinition* Definition(std::int32_t number) const;
};

// What the GroupWise account of a running client holds: its address books, in GroupWise's
// order, and the appointments of its mailbox. Every session created logs into this one
// account. Books, entries and appointments are only ever appended, so that a handle's
// position stays true.
struct GroupWiseWorld {
    static constexpr std::wstring_view kSource = L"GroupWise";
    static std::wstring NoElementAt(std::int32_t position) {
        return L"No element at position " + std::to_wstring(position) + L".";
    }

    std::vector<GroupWiseAddressBook> addressBooks;
    std::vector<Item> appointments;
    Ledger ledger;
    std::size_t logins = 0;

    GroupWiseWorld();
    // The world a file describes; without address books, the default ones. Raises
    // DamagedWorld for anything GroupWise could not hold.
    static GroupWiseWorld FromData(const WorldData& data);
    WorldData ToData() const;
    // The field definitions a fresh address book has.
    static std::vector<GroupWiseFieldDefinition> DefaultFieldDefinitions();
};

}  // namespace orvantis::standins

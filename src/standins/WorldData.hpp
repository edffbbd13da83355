#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "automation/Variant.hpp"
#include "standins/ItemIndex.hpp"

namespace orvantis::standins {

// The plain data that every product's world is made of, in the shape of its world file.

struct Field {
    std::wstring name;  // spelled as first written
    Variant value;
    // A value of the product's own kind (a picture, ...) in its file form; null for a Variant.
    nlohmann::ordered_json productValue;
};

struct Item {
    std::wstring kind;
    std::vector<Field> fields;  // in the order first written
    std::uint64_t id = 0;       // the world's handle on it; not saved
    std::vector<std::wstring> writes;  // every property put since it was last fetched; not saved

    const Field* Find(std::wstring_view fieldName) const;
    // Updates the field of that name (in any letter case) or appends one spelled as given.
    Field& Write(std::wstring_view fieldName, Variant value);
};

struct Container {
    std::wstring name;
    std::vector<Field> attributes;  // the product's own: a folder's type, ...
    std::vector<Container> containers;
    std::vector<Item> items;  // their ids ascending; not saved
    ItemIndex index;          // the items by what searches find them by; not saved

    const Variant* Attribute(std::wstring_view attributeName) const;
    // The saved item of that id; null when there is none.
    const Item* ItemWithId(std::uint64_t id) const;
    // Replaces the saved version of `item` (of the same id) or appends it under a new id,
    // which `item` then takes.
    void Save(Item& item, std::uint64_t& lastId);
};

// Drops the indexes of these containers and of all they hold, to be built again when searched.
void ForgetIndexes(std::vector<Container>& containers);

struct WorldData {
    nlohmann::ordered_json configuration = nlohmann::ordered_json::object();
    std::vector<Container> containers;
};

}  // namespace orvantis::standins

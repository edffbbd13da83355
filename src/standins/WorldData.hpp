#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "automation/Variant.hpp"
#include "standins/CompactValue.hpp"
#include "standins/ItemIndex.hpp"
#include "standins/Name.hpp"

namespace orvantis::standins {

// The plain data that every product's world is made of, in the shape of its world file.

// A named value: a Variant, or a value of the product's own kind (a picture, ...) in its
// file form. 24 bytes, as a world holds millions.
class Field {
public:
    explicit Field(Name fieldName, const Variant& value = {}) : name(fieldName), value_(value) {}

    Name name;  // spelled as first written

    Variant Value() const { return value_.ToVariant(); }
    Variant::Kind Kind() const { return value_.GetKind(); }
    void SetValue(const Variant& value) { value_ = CompactValue(value); }
    // Null when the field holds a Variant.
    const nlohmann::ordered_json* ProductValue() const { return value_.ProductValue(); }
    nlohmann::ordered_json* ProductValue() { return value_.ProductValue(); }
    // Null makes it an empty Variant again.
    void SetProductValue(nlohmann::ordered_json value) { value_ = CompactValue(std::move(value)); }

private:
    CompactValue value_;
};

struct Item {
    Name kind;
    std::vector<Field> fields;  // in the order first written
    std::uint64_t id = 0;       // the world's handle on it; not saved

    const Field* Find(std::wstring_view fieldName) const;
    // Updates the field of that name (in any letter case) or appends one spelled as given.
    Field& Write(std::wstring_view fieldName, const Variant& value);
};

// The item of that id among items whose ids ascend; null when there is none.
const Item* ItemWithId(const std::vector<Item>& items, std::uint64_t id);

struct Container {
    std::wstring name;
    std::vector<Field> attributes;  // the product's own: a folder's type, ...
    std::vector<Container> containers;
    std::vector<Item> items;  // their ids ascending (ids are not saved)
    ItemIndex index;          // the items by what searches find them by; not saved

    // Empty when there is none.
    std::optional<Variant> Attribute(std::wstring_view attributeName) const;
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

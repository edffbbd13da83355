#include "standins/WorldData.hpp"

#include <algorithm>

#include "standins/Members.hpp"

namespace orvantis::standins {
namespace {

template <class Fields>
auto FindField(Fields& fields, std::wstring_view name) {
    const auto found =
        std::ranges::find_if(fields, [&](const Field& field) { return SameName(field.name, name); });
    return found == fields.end() ? nullptr : &*found;
}

}  // namespace

const Field* Item::Find(std::wstring_view fieldName) const { return FindField(fields, fieldName); }

Field& Item::Write(std::wstring_view fieldName, const Variant& value) {
    Field* field = FindField(fields, fieldName);
    if (!field) return fields.emplace_back(Name(fieldName), value);
    field->SetValue(value);
    return *field;
}

const Item* ItemWithId(const std::vector<Item>& items, std::uint64_t id) {
    const auto found = std::ranges::lower_bound(items, id, {}, &Item::id);
    return found != items.end() && found->id == id ? &*found : nullptr;
}

std::optional<Variant> Container::Attribute(std::wstring_view attributeName) const {
    const Field* field = FindField(attributes, attributeName);
    return field ? std::optional(field->Value()) : std::nullopt;
}

const Item* Container::ItemWithId(std::uint64_t id) const { return standins::ItemWithId(items, id); }

void Container::Save(Item& item, std::uint64_t& lastId) {
    if (item.id != 0) {
        const auto stored = std::ranges::lower_bound(items, item.id, {}, &Item::id);
        if (stored != items.end() && stored->id == item.id) {
            index.Replacing(*stored, item);
            *stored = item;  // a copy: no room to grow, as a world holds many items
            return;
        }
    }
    item.id = ++lastId;
    items.push_back(item);
    index.Added(items, items.back());
}

void ForgetIndexes(std::vector<Container>& containers) {
    for (auto& container : containers) {
        container.index = ItemIndex();
        ForgetIndexes(container.containers);
    }
}

}  // namespace orvantis::standins

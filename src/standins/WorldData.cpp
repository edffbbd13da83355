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

Field& Item::Write(std::wstring_view fieldName, Variant value) {
    writes.emplace_back(fieldName);
    Field* field = FindField(fields, fieldName);
    if (!field) field = &fields.emplace_back(Field{std::wstring(fieldName), {}, {}});
    field->value = std::move(value);
    field->productValue = nullptr;
    return *field;
}

const Variant* Container::Attribute(std::wstring_view attributeName) const {
    const Field* field = FindField(attributes, attributeName);
    return field ? &field->value : nullptr;
}

const Item* Container::ItemWithId(std::uint64_t id) const {
    const auto found = std::ranges::lower_bound(items, id, {}, &Item::id);
    return found != items.end() && found->id == id ? &*found : nullptr;
}

void Container::Save(Item& item, std::uint64_t& lastId) {
    if (item.id != 0) {
        const auto stored = std::ranges::lower_bound(items, item.id, {}, &Item::id);
        if (stored != items.end() && stored->id == item.id) {
            index.Replacing(*stored, item);
            *stored = item;
            stored->writes = {};
            return;
        }
    }
    item.id = ++lastId;
    items.push_back(item);
    items.back().writes = {};  // its capacity too: a world holds many items
    index.Added(items, items.back());
}

void ForgetIndexes(std::vector<Container>& containers) {
    for (auto& container : containers) {
        container.index = ItemIndex();
        ForgetIndexes(container.containers);
    }
}

}  // namespace orvantis::standins

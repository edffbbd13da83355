#include "standins/ItemIndex.hpp"

#include <algorithm>

#include "standins/WorldData.hpp"

namespace orvantis::standins {

ItemIndex& ItemIndex::operator=(const ItemIndex&) {
    *this = ItemIndex();
    return *this;
}

namespace {

std::size_t HashOf(const std::wstring& keyValue) { return std::hash<std::wstring>{}(keyValue); }

}  // namespace

void ItemIndex::Keyed::Put(const Item& item) {
    if (const auto value = key.of(item)) ids.emplace(HashOf(*value), item.id);
}

void ItemIndex::Keyed::Remove(const std::wstring& keyValue, std::uint64_t id) {
    auto [at, end] = ids.equal_range(HashOf(keyValue));
    const auto found = std::find_if(at, end, [&](const auto& entry) { return entry.second == id; });
    if (found != end) ids.erase(found);
}

bool ItemIndex::Covers(const std::vector<Item>& items) const {
    return items.size() == itemCount_ && (items.empty() || items.back().id == lastId_);
}

void ItemIndex::Rebuild(const std::vector<Item>& items) {
    for (auto& index : indexes_) {
        index.ids.clear();
        for (const auto& item : items) index.Put(item);
    }
    itemCount_ = items.size();
    lastId_ = items.empty() ? 0 : items.back().id;
}

std::vector<std::uint64_t> ItemIndex::Find(const std::vector<Item>& items, const IndexKey& key,
                                           const std::wstring& value) {
    if (!Covers(items)) Rebuild(items);
    auto index = std::ranges::find_if(indexes_, [&](const Keyed& k) { return k.key.name == key.name; });
    if (index == indexes_.end()) {
        index = indexes_.insert(indexes_.end(), Keyed{key, {}});
        for (const auto& item : items) index->Put(item);
    }
    std::vector<std::uint64_t> found;
    for (auto [at, end] = index->ids.equal_range(HashOf(value)); at != end; ++at) {
        const Item* item = ItemWithId(items, at->second);
        if (item && index->key.of(*item) == value) found.push_back(at->second);
    }
    std::ranges::sort(found);
    return found;
}

void ItemIndex::Added(const std::vector<Item>& items, const Item& item) {
    if (itemCount_ + 1 != items.size()) return;  // already behind: built again when searched
    for (auto& index : indexes_) index.Put(item);
    ++itemCount_;
    lastId_ = item.id;
}

void ItemIndex::Replacing(const Item& stored, const Item& replacement) {
    for (auto& index : indexes_) {
        auto before = index.key.of(stored);
        auto after = index.key.of(replacement);
        if (before == after) continue;
        if (before) index.Remove(*before, stored.id);
        if (after) index.ids.emplace(HashOf(*after), replacement.id);
    }
}

}  // namespace orvantis::standins

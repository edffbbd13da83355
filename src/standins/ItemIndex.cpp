#include "standins/ItemIndex.hpp"

#include <algorithm>

#include "standins/WorldData.hpp"

namespace orvantis::standins {

ItemIndex& ItemIndex::operator=(const ItemIndex&) {
    *this = ItemIndex();
    return *this;
}

void ItemIndex::Keyed::Put(const Item& item) {
    if (auto value = key.of(item)) ids[std::move(*value)].push_back(item.id);
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

const std::vector<std::uint64_t>& ItemIndex::Find(const std::vector<Item>& items,
                                                  const IndexKey& key, const std::wstring& value) {
    if (!Covers(items)) Rebuild(items);
    auto index = std::ranges::find_if(indexes_, [&](const Keyed& k) { return k.key.name == key.name; });
    if (index == indexes_.end()) {
        index = indexes_.insert(indexes_.end(), Keyed{key, {}});
        for (const auto& item : items) index->Put(item);
    }
    static const std::vector<std::uint64_t> none;
    const auto found = index->ids.find(value);
    return found == index->ids.end() ? none : found->second;
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
        if (before) {
            auto& ids = index.ids[*before];
            const auto at = std::ranges::lower_bound(ids, stored.id);
            if (at != ids.end() && *at == stored.id) ids.erase(at);
        }
        if (after) {
            auto& ids = index.ids[*after];
            ids.insert(std::ranges::lower_bound(ids, replacement.id), replacement.id);
        }
    }
}

}  // namespace orvantis::standins

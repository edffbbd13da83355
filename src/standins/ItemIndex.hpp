#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvantis::standins {

struct Item;

// How a search finds items: the key each item is found by (none: no search of this kind
// finds it), under a name that tells this kind of search from the others of a container.
struct IndexKey {
    std::wstring name;
    std::function<std::optional<std::wstring>(const Item&)> of;
};

// A container's saved items by their keys, so that a search reads only the items it finds:
// a load that looks every contact up before saving it would otherwise cost the square of the
// world. Each kind of search gets its index on first use; the container's saves keep them.
// Items join a container only at its end with a greater id and never leave it, so the ids
// ascend along the container; items added behind the saves' back (tests do) are seen by
// the count and the last id, and the indexes are then built again.
class ItemIndex {
public:
    ItemIndex() = default;
    // A copy of a container is searched afresh: its indexes are built again when needed.
    ItemIndex(const ItemIndex&) {}
    ItemIndex& operator=(const ItemIndex&);
    ItemIndex(ItemIndex&&) noexcept = default;
    ItemIndex& operator=(ItemIndex&&) noexcept = default;
    ~ItemIndex() = default;

    // The ids of the items whose key is `value`, in the container's order.
    std::vector<std::uint64_t> Find(const std::vector<Item>& items, const IndexKey& key,
                                    const std::wstring& value);
    // After `item` joined the container at its end.
    void Added(const std::vector<Item>& items, const Item& item);
    // Before the saved `stored` is replaced by `replacement`, another version of it.
    void Replacing(const Item& stored, const Item& replacement);

private:
    // The ids by their key's hash: a copy of each key would cost as much as the items, so
    // Find compares the keys of the few items the hash gives.
    struct Keyed {
        IndexKey key;
        std::unordered_multimap<std::size_t, std::uint64_t> ids;

        void Put(const Item& item);
        void Remove(const std::wstring& keyValue, std::uint64_t id);
    };

    bool Covers(const std::vector<Item>& items) const;
    void Rebuild(const std::vector<Item>& items);

    std::vector<Keyed> indexes_;
    std::size_t itemCount_ = 0;
    std::uint64_t lastId_ = 0;
};

}  // namespace orvantis::standins

#include "automation/Text.hpp"
#include "standins/outlook/OutlookItem.hpp"
#include "standins/outlook/OutlookItemKinds.hpp"
#include "standins/outlook/RestrictFilter.hpp"

namespace orvantis::standins {
namespace {

// A saved item, as a new object on its own copy; null once it is no longer in the folder.
ObjectRef StoredItem(const std::shared_ptr<OutlookWorld>& world, const FolderPath& folder,
                     std::uint64_t id) {
    const Item* item = world->FolderAt(folder).ItemWithId(id);
    if (!item) return nullptr;
    return std::make_shared<OutlookItem>(world, folder, *ItemKindNamed(item->kind), *item);  // with no writes: a stored item has none
}

// A folder's saved items, or those of them that every filter of a Restrict chain matches.
class Items : public OutlookHandle<Items> {
public:
    Items(std::shared_ptr<OutlookWorld> world, FolderPath folder, std::vector<RestrictFilter> filters)
        : ProductHandle(std::move(world), L"Items"), folder_(std::move(folder)), filters_(std::move(filters)) {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](Items& self, const Call&) { return Count(self.VisibleIds()); }},
            {ItemByPositionMember(),
             [](Items& self, const Call& call) {
                 const auto visible = self.VisibleIds();
                 return StoredItem(self.world_, self.folder_, visible[self.PositionIn(call.arguments[0], visible.size())]);
             }},
            {NewEnumMember(), &Items::NewEnum},
            {MethodMember(L"Add", {ValueType::Any}, 0), &Items::Add},
            {MethodMember(L"Restrict", {ValueType::Text}), &Items::Restrict},
        };
        return table;
    }

    // The enumerator may outlive this collection: it keeps the world, not this object.
    Variant NewEnum(const Call&) {
        auto visible = VisibleIds();
        return Enumerate(visible.size(), [world = world_, folder = folder_, visible](std::size_t i) {
            return Variant(StoredItem(world, folder, visible[i]));
        });
    }

    Container& Folder() const { return world_->FolderAt(folder_); }

    const OutlookItemKind& FolderKind() const {
        const auto type = Folder().Attribute(L"DefaultItemType");
        const OutlookItemKind* kind = ItemKindOfType(type ? type->ToLong() : outlook::kMailItem);
        return kind ? *kind : *ItemKindOfType(outlook::kContactItem);
    }

    Variant Add(const Call& call) {
        const Variant& type = call.arguments[0];
        const std::int32_t itemType =
            type.GetKind() == Variant::Kind::Missing ? FolderKind().type : type.ToLong();
        auto item = MakeNewItem(world_, folder_, itemType);
        if (!item) throw ProductError(L"Could not complete the operation. One or more parameter values are not valid.");
        return item;
    }

    Variant Restrict(const Call& call) {
        const std::wstring text = call.arguments[0].ToText();
        auto filter = ParseRestrictFilter(text);
        if (!filter) throw ProductError(L"Cannot parse condition. Error at \"" + text + L"\".");
        const auto* property = FindMember(FolderKind().members, Member(filter->property));
        if (!property || property->access == Access::Method) {
            throw ProductError(L"The property \"" + filter->property + L"\" is unknown.");
        }
        auto filters = filters_;
        filters.push_back(std::move(*filter));
        return ObjectRef(std::make_shared<Items>(world_, folder_, std::move(filters)));
    }

    // What a filter compares, letter case aside: a property never written compares as its
    // default, as Outlook shows it. The folder's index keeps it, so it holds nothing of this.
    IndexKey KeyOf(const std::wstring& property) const {
        const Variant initial = FindMember(FolderKind().members, Member(property))->initial;
        return {FoldCase(property), [property, initial](const Item& item) {
                    const Field* field = item.Find(property);
                    return std::optional(FoldCase((field ? field->Value() : initial).ToText()));
                }};
    }

    // The first filter is answered by the folder's index, the others item by item.
    std::vector<std::uint64_t> VisibleIds() const {
        Container& folder = Folder();
        std::vector<std::uint64_t> ids;
        if (filters_.empty()) {
            for (const auto& item : folder.items) ids.push_back(item.id);
            return ids;
        }
        std::vector<IndexKey> keys;
        for (const auto& filter : filters_) keys.push_back(KeyOf(filter.property));
        for (const auto id : folder.index.Find(folder.items, keys[0], FoldCase(filters_[0].literal))) {
            const Item& item = *folder.ItemWithId(id);
            bool matches = true;
            for (std::size_t i = 1; i < filters_.size() && matches; ++i) {
                matches = *keys[i].of(item) == FoldCase(filters_[i].literal);
            }
            if (matches) ids.push_back(id);
        }
        return ids;
    }

    FolderPath folder_;
    std::vector<RestrictFilter> filters_;
};

}  // namespace

ObjectRef MakeItems(std::shared_ptr<OutlookWorld> world, FolderPath folder) {
    return std::make_shared<Items>(std::move(world), std::move(folder), std::vector<RestrictFilter>{});
}

ObjectRef MakeNewItem(std::shared_ptr<OutlookWorld> world, FolderPath folder, std::int32_t type) {
    const OutlookItemKind* kind = ItemKindOfType(type);
    if (!kind) return nullptr;
    return std::make_shared<OutlookItem>(std::move(world), std::move(folder), *kind,
                                         Item{kind->name, {}, 0});
}

}  // namespace orvantis::standins

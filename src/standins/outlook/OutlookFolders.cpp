#include "standins/outlook/OutlookHandle.hpp"

namespace orvantis::standins {
namespace {

ObjectRef Subfolder(const std::shared_ptr<OutlookWorld>& world, FolderPath parent, std::size_t position) {
    parent.push_back(position);
    return MakeFolder(world, std::move(parent));
}

class Folders : public OutlookHandle<Folders> {
public:
    Folders(std::shared_ptr<OutlookWorld> world, FolderPath parent)
        : ProductHandle(std::move(world), L"Folders"), parent_(std::move(parent)) {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](Folders& self, const Call&) { return Count(self.Children()); }},
            // By 1-based position or by name, as Outlook's Folders.Item takes either.
            {{.name = L"Item", .access = Access::ReadOnly, .type = ValueType::Object,
              .parameters = {ValueType::Any}, .required = 1, .dispatchId = 0},
             [](Folders& self, const Call& call) {
                 return Subfolder(self.world_, self.parent_, self.Position(call.arguments[0]));
             }},
            // The enumerator may outlive this collection: it keeps the world, not this object.
            {NewEnumMember(),
             [](Folders& self, const Call&) {
                 return self.Enumerate(self.Children().size(), [world = self.world_, parent = self.parent_](std::size_t i) {
                     return Variant(Subfolder(world, parent, i));
                 });
             }},
        };
        return table;
    }

    const std::vector<Container>& Children() const {
        return parent_.empty() ? world_->stores : world_->FolderAt(parent_).containers;
    }

    std::size_t Position(const Variant& index) const {
        const auto& folders = Children();
        const std::wstring* folderName = index.TextIf();
        if (!folderName) return PositionIn(index, folders.size());
        for (std::size_t i = 0; i < folders.size(); ++i) {
            if (SameName(folders[i].name, *folderName)) return i;
        }
        throw ProductError(L"The attempted operation failed. An object could not be found.");
    }

    FolderPath parent_;
};

class Folder : public OutlookHandle<Folder> {
public:
    Folder(std::shared_ptr<OutlookWorld> world, FolderPath path)
        : ProductHandle(std::move(world), L"MAPIFolder"), path_(std::move(path)) {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyMember(L"Name", ValueType::Text),
             [](Folder& self, const Call&) { return Variant(self.world_->FolderAt(self.path_).name); }},
            {ReadOnlyMember(L"DefaultItemType", ValueType::Long),
             [](Folder& self, const Call&) {
                 const auto type = self.world_->FolderAt(self.path_).Attribute(L"DefaultItemType");
                 return type ? *type : Variant(outlook::kMailItem);
             }},
            {ReadOnlyMember(L"Folders", ValueType::Object),
             [](Folder& self, const Call&) { return MakeFolders(self.world_, self.path_); }},
            {ReadOnlyMember(L"Items", ValueType::Object),
             [](Folder& self, const Call&) { return MakeItems(self.world_, self.path_); }},
        };
        return table;
    }

    FolderPath path_;
};

}  // namespace

ObjectRef MakeFolders(std::shared_ptr<OutlookWorld> world, FolderPath parent) {
    return std::make_shared<Folders>(std::move(world), std::move(parent));
}

ObjectRef MakeFolder(std::shared_ptr<OutlookWorld> world, FolderPath path) {
    return std::make_shared<Folder>(std::move(world), std::move(path));
}

}  // namespace orvantis::standins

#include <array>

#include "standins/outlook/OutlookHandle.hpp"

namespace orvantis::standins {
namespace {

ObjectRef Subfolder(const std::shared_ptr<OutlookWorld>& world, FolderPath parent, std::size_t position) {
    parent.push_back(position);
    return MakeFolder(world, std::move(parent));
}

class Folders : public OutlookHandle {
public:
    Folders(std::shared_ptr<OutlookWorld> world, FolderPath parent)
        : OutlookHandle(std::move(world), L"Folders"), parent_(std::move(parent)) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            CountMember(),
            // By 1-based position or by name, as Outlook's Folders.Item takes either.
            MemberInfo{.name = L"Item", .access = Access::ReadOnly, .type = ValueType::Object,
                       .parameters = {ValueType::Any}, .required = 1, .dispatchId = 0},
            NewEnumMember(),
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const auto& folders = parent_.empty() ? world_->stores : world_->FolderAt(parent_).containers;
        const auto& name = call.member.name;
        if (name == L"Count") return static_cast<std::int32_t>(folders.size());
        if (name == L"Item") return Subfolder(world_, parent_, Position(folders, call.arguments[0]));
        // The enumerator may outlive this collection: it keeps the world, not this object.
        return Enumerate(folders.size(), [world = world_, parent = parent_](std::size_t i) {
            return Variant(Subfolder(world, parent, i));
        });
    }

    std::size_t Position(const std::vector<Container>& folders, const Variant& index) const {
        const std::wstring* folderName = index.TextIf();
        if (!folderName) return IndexIn(index, folders.size());
        for (std::size_t i = 0; i < folders.size(); ++i) {
            if (SameName(folders[i].name, *folderName)) return i;
        }
        throw ProductError(L"The attempted operation failed. An object could not be found.");
    }

    FolderPath parent_;
};

class Folder : public OutlookHandle {
public:
    Folder(std::shared_ptr<OutlookWorld> world, FolderPath path)
        : OutlookHandle(std::move(world), L"MAPIFolder"), path_(std::move(path)) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"Name", .access = Access::ReadOnly, .type = ValueType::Text},
            MemberInfo{.name = L"DefaultItemType", .access = Access::ReadOnly, .type = ValueType::Long},
            MemberInfo{.name = L"Folders", .access = Access::ReadOnly, .type = ValueType::Object},
            MemberInfo{.name = L"Items", .access = Access::ReadOnly, .type = ValueType::Object},
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const Container& folder = world_->FolderAt(path_);
        const auto& name = call.member.name;
        if (name == L"Name") return folder.name;
        if (name == L"DefaultItemType") {
            const Variant* type = folder.Attribute(L"DefaultItemType");
            return type ? *type : Variant(outlook::kMailItem);
        }
        if (name == L"Folders") return MakeFolders(world_, path_);
        return MakeItems(world_, path_);
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

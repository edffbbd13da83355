#include "standins/outlook/OutlookItem.hpp"

#include "standins/WorldFile.hpp"
#include "standins/outlook/OutlookItemKinds.hpp"

namespace orvantis::standins {
namespace {

constexpr std::int32_t kFileNotFound = -2147024894;  // 0x80070002

}  // namespace

OutlookItem::OutlookItem(std::shared_ptr<OutlookWorld> world, FolderPath folder,
                         const OutlookItemKind& kind, Item item)
    : ProductHandle(std::move(world), kind.name), folder_(std::move(folder)), kind_(kind),
      item_(std::move(item)) {}

OutlookItem::Table OutlookItem::Members() const { return ItemMembers(kind_, world_->MajorVersion()); }

Variant OutlookItem::Property(const Call& call) {
    if (call.kind == CallKind::PropertyPut) {
        item_.Write(call.name, call.arguments.back());
        return {};
    }
    const Field* field = item_.Find(call.member.name);
    return field ? field->Value() : call.member.initial;
}

Variant OutlookItem::Save(const Call&) {
    world_->FolderAt(folder_).Save(item_, world_->lastItemId);
    return {};
}

// The file is read now, as Outlook reads it during the call.
Variant OutlookItem::AddPicture(const Call& call) {
    const std::wstring path = call.arguments[0].ToText();
    const auto bytes = ReadFileBytes(path);
    if (!bytes) throw ProductError(kFileNotFound, L"Cannot find the file " + path + L".");
    item_.Write(kPictureField, Variant()).SetProductValue({{"picture", {{"bytes", HexOf(*bytes)}}}});
    return {};
}

}  // namespace orvantis::standins

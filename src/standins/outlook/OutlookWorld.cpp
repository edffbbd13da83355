#include "standins/outlook/OutlookWorld.hpp"

#include <stdexcept>

#include "automation/AutomationError.hpp"
#include "standins/WorldFile.hpp"
#include "standins/outlook/OutlookItemKinds.hpp"

namespace orvantis::standins {
namespace {

constexpr std::wstring_view kItemType = L"DefaultItemType";
constexpr std::wstring_view kDefaultFolder = L"DefaultFolder";

Container Folder(std::wstring name, std::int32_t itemType, std::optional<std::int32_t> defaultFolder) {
    Container folder{std::move(name), {Field(kItemType, Variant(itemType))}, {}, {}, {}};
    if (defaultFolder) folder.attributes.push_back(Field(kDefaultFolder, *defaultFolder));
    return folder;
}

// One store, as a fresh profile has it, with a second contact folder beside Contacts.
std::vector<Container> DefaultStores() {
    using namespace outlook;
    return {Container{L"Personal Folders", {},
                      {Folder(L"Inbox", kMailItem, kFolderInbox),
                       Folder(L"Calendar", kAppointmentItem, kFolderCalendar),
                       Folder(L"Contacts", kContactItem, kFolderContacts),
                       Folder(L"Business Contacts", kContactItem, std::nullopt),
                       Folder(L"Tasks", kTaskItem, kFolderTasks)},
                      {},
                      {}}};
}

std::string Narrow(std::wstring_view text) { return JsonText(text); }

void CheckField(const OutlookItemKind& kind, const Field& field) {
    if (kind.type == outlook::kContactItem && field.name == kPictureField) {
        static const nlohmann::ordered_json kNone;
        const auto& picture = field.ProductValue() ? *field.ProductValue() : kNone;
        const bool valid = picture.is_object() && picture.size() == 1 && picture.contains("picture") &&
                           picture["picture"].is_object() && picture["picture"].size() == 1 &&
                           picture["picture"].contains("bytes") &&
                           picture["picture"]["bytes"].is_string();
        if (!valid) throw DamagedWorld("a picture is {\"picture\": {\"bytes\": HEX}}");
        return;
    }
    const MemberInfo* member = FindMember(kind.members, Member(field.name));
    if (!member || member->access == Access::Method) {
        throw DamagedWorld(Narrow(kind.name) + " has no property " + Narrow(field.name));
    }
    bool sameKind = false;
    try {
        sameKind = !field.ProductValue() && Coerce(field.Value(), member->type).GetKind() == field.Kind();
    } catch (const AutomationError&) {
    }
    if (!sameKind) throw DamagedWorld(Narrow(field.name) + " holds a value of another kind");
}

void CheckFolder(Container& folder, std::uint64_t& lastItemId) {
    for (const auto& attribute : folder.attributes) {
        if (attribute.name != kItemType && attribute.name != kDefaultFolder) {
            throw DamagedWorld("a folder has no attribute " + Narrow(attribute.name));
        }
        if (attribute.Kind() != Variant::Kind::Long) {
            throw DamagedWorld(Narrow(attribute.name) + " is not a whole number");
        }
    }
    for (auto& item : folder.items) {
        const OutlookItemKind* kind = ItemKindNamed(item.kind);
        if (!kind) throw DamagedWorld("no Outlook item is a " + Narrow(item.kind));
        for (const auto& field : item.fields) CheckField(*kind, field);
        item.id = ++lastItemId;
    }
    for (auto& child : folder.containers) CheckFolder(child, lastItemId);
}

std::optional<FolderPath> FindDefault(const std::vector<Container>& folders, std::int32_t folderId,
                                      FolderPath& path) {
    for (std::size_t i = 0; i < folders.size(); ++i) {
        path.push_back(i);
        const auto id = folders[i].Attribute(kDefaultFolder);
        if (id && id->ToLong() == folderId) return path;
        if (auto found = FindDefault(folders[i].containers, folderId, path)) return found;
        path.pop_back();
    }
    return std::nullopt;
}

}  // namespace

OutlookWorld::OutlookWorld() : stores(DefaultStores()) {}

OutlookWorld OutlookWorld::FromData(const WorldData& data) {
    OutlookWorld world;
    for (const auto& [key, value] : data.configuration.items()) {
        if (key == "Version") world.version = TextOf(value);
        else if (key != "failures") throw DamagedWorld("unknown configuration \"" + key + "\"");
    }
    world.ledger.failures = ReadFailureRules(data.configuration);
    if (!data.containers.empty()) world.stores = data.containers;
    for (auto& store : world.stores) CheckFolder(store, world.lastItemId);
    return world;
}

WorldData OutlookWorld::ToData() const {
    WorldData data;
    data.configuration["Version"] = JsonText(version);
    WriteFailureRules(ledger.failures, data.configuration);
    data.containers = stores;
    return data;
}

int OutlookWorld::MajorVersion() const {
    const auto dot = version.find(L'.');
    const std::wstring_view major = std::wstring_view(version).substr(0, dot);
    if (major.empty() || major.size() > 6 || dot == std::wstring::npos) return 0;
    int number = 0;
    for (wchar_t c : major) {
        if (c < L'0' || c > L'9') return 0;
        number = number * 10 + (c - L'0');
    }
    return number;
}

Container& OutlookWorld::FolderAt(const FolderPath& path) {
    std::vector<Container>* level = &stores;
    Container* folder = nullptr;
    for (std::size_t index : path) {
        folder = &level->at(index);
        level = &folder->containers;
    }
    if (!folder) throw std::out_of_range("no folder at an empty path");
    return *folder;
}

std::optional<FolderPath> OutlookWorld::DefaultFolder(std::int32_t folderId) const {
    FolderPath path;
    return FindDefault(stores, folderId, path);
}

Container& OutlookWorld::DefaultFolderContainer(std::int32_t folderId) {
    const auto path = DefaultFolder(folderId);
    if (!path) throw std::out_of_range("no such default folder");
    return FolderAt(*path);
}

}  // namespace orvantis::standins

#include <array>

#include "standins/outlook/OutlookHandle.hpp"
#include "standins/outlook/OutlookStandIn.hpp"

namespace orvantis::standins {
namespace {

// Where CreateItem puts a new item of each type.
std::optional<std::int32_t> DefaultFolderOfType(std::int32_t type) {
    switch (type) {
        case outlook::kAppointmentItem: return outlook::kFolderCalendar;
        case outlook::kContactItem: return outlook::kFolderContacts;
        case outlook::kTaskItem: return outlook::kFolderTasks;
        default: return std::nullopt;
    }
}

class Application : public OutlookHandle {
public:
    explicit Application(std::shared_ptr<OutlookWorld> world)
        : OutlookHandle(std::move(world), L"Application") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"Version", .access = Access::ReadOnly, .type = ValueType::Text},
            MemberInfo{.name = L"GetNamespace", .access = Access::Method,
                       .parameters = {ValueType::Text}, .required = 1},
            MemberInfo{.name = L"CreateItem", .access = Access::Method,
                       .parameters = {ValueType::Long}, .required = 1},
            MemberInfo{.name = L"Quit", .access = Access::Method},
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"Version") return world_->version;
        if (name == L"GetNamespace") {
            if (!SameName(call.arguments[0].ToText(), L"MAPI")) {
                throw ProductError(L"The only name space is \"MAPI\".");
            }
            return MakeNameSpace(world_);
        }
        if (name == L"CreateItem") {
            const std::int32_t type = call.arguments[0].ToLong();
            const auto folderId = DefaultFolderOfType(type);
            const auto folder = folderId ? world_->DefaultFolder(*folderId) : std::nullopt;
            if (!folder) throw ProductError(L"Could not create the item.");
            return MakeNewItem(world_, *folder, type);
        }
        // Quit: the system never ends the user's Outlook.
        throw ProductError(errors::kInvalidArgument,
                           L"Quit refused: a caller must never ask Outlook to quit");
    }
};

class NameSpace : public OutlookHandle {
public:
    explicit NameSpace(std::shared_ptr<OutlookWorld> world)
        : OutlookHandle(std::move(world), L"NameSpace") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"Logon", .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Text, ValueType::Boolean,
                                      ValueType::Boolean}},
            MemberInfo{.name = L"Logoff", .access = Access::Method},
            MemberInfo{.name = L"GetDefaultFolder", .access = Access::Method,
                       .parameters = {ValueType::Long}, .required = 1},
            MemberInfo{.name = L"Folders", .access = Access::ReadOnly, .type = ValueType::Object},
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"Logon") ++world_->logons;
        if (name == L"Logoff") ++world_->logoffs;
        if (name == L"Folders") return MakeFolders(world_, {});
        if (name == L"GetDefaultFolder") {
            const auto folder = world_->DefaultFolder(call.arguments[0].ToLong());
            if (!folder) throw ProductError(L"The attempted operation failed. An object could not be found.");
            return MakeFolder(world_, *folder);
        }
        return {};
    }
};

}  // namespace

ObjectRef MakeNameSpace(std::shared_ptr<OutlookWorld> world) {
    return std::make_shared<NameSpace>(std::move(world));
}

ObjectRef CreateOutlookApplication(std::shared_ptr<OutlookWorld> world) {
    return std::make_shared<Application>(std::move(world));
}

}  // namespace orvantis::standins

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

class Application : public OutlookHandle<Application> {
public:
    explicit Application(std::shared_ptr<OutlookWorld> world) : ProductHandle(std::move(world), L"Application") {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyMember(L"Version", ValueType::Text),
             [](Application& self, const Call&) { return Variant(self.world_->version); }},
            {MethodMember(L"GetNamespace", {ValueType::Text}), &Application::GetNamespace},
            {MethodMember(L"CreateItem", {ValueType::Long}), &Application::CreateItem},
            // The system never ends the user's Outlook.
            {MethodMember(L"Quit"),
             [](Application& self, const Call&) -> Variant {
                 throw self.ProductError(errors::kInvalidArgument,
                                         L"Quit refused: a caller must never ask Outlook to quit");
             }},
        };
        return table;
    }

    Variant GetNamespace(const Call& call) {
        if (!SameName(call.arguments[0].ToText(), L"MAPI")) throw ProductError(L"The only name space is \"MAPI\".");
        return MakeNameSpace(world_);
    }

    Variant CreateItem(const Call& call) {
        const std::int32_t type = call.arguments[0].ToLong();
        const auto folderId = DefaultFolderOfType(type);
        const auto folder = folderId ? world_->DefaultFolder(*folderId) : std::nullopt;
        if (!folder) throw ProductError(L"Could not create the item.");
        return MakeNewItem(world_, *folder, type);
    }
};

class NameSpace : public OutlookHandle<NameSpace> {
public:
    explicit NameSpace(std::shared_ptr<OutlookWorld> world) : ProductHandle(std::move(world), L"NameSpace") {}

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"Logon", {ValueType::Text, ValueType::Text, ValueType::Boolean, ValueType::Boolean}, 0),
             [](NameSpace& self, const Call&) {
                 ++self.world_->logons;
                 return Variant();
             }},
            {MethodMember(L"Logoff"),
             [](NameSpace& self, const Call&) {
                 ++self.world_->logoffs;
                 return Variant();
             }},
            {MethodMember(L"GetDefaultFolder", {ValueType::Long}), &NameSpace::GetDefaultFolder},
            {ReadOnlyMember(L"Folders", ValueType::Object),
             [](NameSpace& self, const Call&) { return MakeFolders(self.world_, {}); }},
        };
        return table;
    }

    Variant GetDefaultFolder(const Call& call) {
        const auto folder = world_->DefaultFolder(call.arguments[0].ToLong());
        if (!folder) throw ProductError(L"The attempted operation failed. An object could not be found.");
        return MakeFolder(world_, *folder);
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

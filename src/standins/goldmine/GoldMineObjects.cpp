#include <algorithm>
#include <array>

#include "standins/StandIn.hpp"
#include "standins/goldmine/GoldMineStandIn.hpp"

namespace orvantis::standins {
namespace {

class GoldMineHandle : public ProductHandle<GoldMineWorld> {
protected:
    GoldMineHandle(std::shared_ptr<GoldMineWorld> world, std::wstring_view className)
        : ProductHandle(std::move(world), className, L"GMComAPI") {}
};

// The object a field set hands back for each field added; GoldMine's callers let it go at once.
class FieldObject : public GoldMineHandle {
public:
    FieldObject(std::shared_ptr<GoldMineWorld> world, Field field)
        : GoldMineHandle(std::move(world), L"NVPair"), field_(std::move(field)) {
        world_->mostFieldsAlive = std::max(world_->mostFieldsAlive, ++world_->fieldsAlive);
    }
    ~FieldObject() override { --world_->fieldsAlive; }
    FieldObject(const FieldObject&) = delete;
    FieldObject& operator=(const FieldObject&) = delete;

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"Name", .access = Access::ReadOnly, .type = ValueType::Text},
            MemberInfo{.name = L"Value", .access = Access::ReadOnly, .type = ValueType::Text},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        return call.member.name == L"Name" ? Variant(field_.name) : field_.value;
    }

    Field field_;
};

// A set of named fields that a GoldMine function takes; adding a name again replaces its value.
class FieldSet : public GoldMineHandle {
public:
    explicit FieldSet(std::shared_ptr<GoldMineWorld> world) : GoldMineHandle(std::move(world), L"NVContainer") {}

    const std::vector<Field>& Fields() const { return fields_.fields; }

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"SetValue", .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Text}, .required = 2},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        const std::wstring name = call.arguments[0].ToText();
        if (name.empty()) throw ProductError(L"A field needs a name.");
        const Field& field = fields_.Write(name, call.arguments[1]);
        return ObjectRef(std::make_shared<FieldObject>(world_, field));
    }

    Item fields_;
};

// The application: folders, user and password are set first; Login checks them all, and
// only a logged-in application runs functions.
class Application : public GoldMineHandle {
public:
    explicit Application(std::shared_ptr<GoldMineWorld> world) : GoldMineHandle(std::move(world), L"Application") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"SystemFolder", .type = ValueType::Text, .initial = L""},
            MemberInfo{.name = L"GoldmineFolder", .type = ValueType::Text, .initial = L""},
            MemberInfo{.name = L"CommonFolder", .type = ValueType::Text, .initial = L""},
            MemberInfo{.name = L"GMUserName", .type = ValueType::Text, .initial = L""},
            MemberInfo{.name = L"GMPassword", .type = ValueType::Text, .initial = L""},
            MemberInfo{.name = L"Login", .access = Access::Method},
            MemberInfo{.name = L"Logout", .access = Access::Method},
            MemberInfo{.name = L"NewContainer", .access = Access::Method},
            MemberInfo{.name = L"Execute", .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Object}, .required = 2},
        };
        return table;
    }

    std::wstring& Property(std::wstring_view name) {
        if (name == L"SystemFolder") return systemFolder_;
        if (name == L"GoldmineFolder") return goldmineFolder_;
        if (name == L"CommonFolder") return commonFolder_;
        if (name == L"GMUserName") return userName_;
        return password_;
    }

    void Login() {
        const std::wstring& program = world_->programFolder;
        const bool folders = !program.empty() && SameName(systemFolder_, program) &&
                             SameName(goldmineFolder_, program + L"\\GMBase") &&
                             SameName(commonFolder_, program + L"\\Common");
        if (!folders) throw ProductError(L"GoldMine's files were not found in the folders given.");
        if (!world_->AcceptsLogin(userName_, password_)) {
            throw ProductError(L"Login failed: unknown user name or wrong password.");
        }
        loggedIn_ = true;
    }

    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (call.kind == CallKind::PropertyPut) {
            Property(name) = call.arguments.back().ToText();
            loggedIn_ = false;
            return {};
        }
        if (name == L"GMPassword") throw ProductError(L"GMPassword cannot be read.");
        if (call.member.access != Access::Method) return Property(name);
        if (name == L"Login") Login();
        if (name == L"Logout") loggedIn_ = false;
        if (name == L"NewContainer") return ObjectRef(std::make_shared<FieldSet>(world_));
        if (name == L"Execute") Execute(call.arguments[0].ToText(), call.arguments[1]);
        return {};
    }

    void Execute(const std::wstring& function, const Variant& argument) {
        if (!loggedIn_) throw ProductError(L"Not logged in to GoldMine.");
        if (!SameName(function, L"WriteContact")) throw ProductError(L"Unknown function " + function + L".");
        const auto fields = std::dynamic_pointer_cast<FieldSet>(RequireObject(argument));
        if (!fields) throw ProductError(L"WriteContact takes a GoldMine field set.");
        world_->contacts.push_back(Item{std::wstring(kGoldMineContactKind), fields->Fields(), 0, {}});
    }

    std::wstring systemFolder_, goldmineFolder_, commonFolder_, userName_, password_;
    bool loggedIn_ = false;
};

}  // namespace

ObjectRef CreateGoldMineApplication(std::shared_ptr<GoldMineWorld> world) {
    return std::make_shared<Application>(std::move(world));
}

}  // namespace orvantis::standins

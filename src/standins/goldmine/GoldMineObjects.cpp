#include <algorithm>

#include "standins/StandIn.hpp"
#include "standins/goldmine/GoldMineStandIn.hpp"

namespace orvantis::standins {
namespace {

template <class Self>
using GoldMineHandle = ProductHandle<GoldMineWorld, Self>;

MemberInfo TextProperty(std::wstring_view name) {
    return {.name = name, .type = ValueType::Text, .initial = L""};
}

// The object a field set hands back for each field added; GoldMine's callers let it go at once.
class FieldObject : public GoldMineHandle<FieldObject> {
public:
    FieldObject(std::shared_ptr<GoldMineWorld> world, Field field)
        : ProductHandle(std::move(world), L"NVPair"), field_(std::move(field)) {
        world_->mostFieldsAlive = std::max(world_->mostFieldsAlive, ++world_->fieldsAlive);
    }
    ~FieldObject() override { --world_->fieldsAlive; }
    FieldObject(const FieldObject&) = delete;
    FieldObject& operator=(const FieldObject&) = delete;

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyMember(L"Name", ValueType::Text), [](FieldObject& self, const Call&) { return Variant(self.field_.name.Text()); }},
            {ReadOnlyMember(L"Value", ValueType::Text), [](FieldObject& self, const Call&) { return self.field_.Value(); }},
        };
        return table;
    }

    Field field_;
};

// A set of named fields that a GoldMine function takes; adding a name again replaces its value.
class FieldSet : public GoldMineHandle<FieldSet> {
public:
    explicit FieldSet(std::shared_ptr<GoldMineWorld> world) : ProductHandle(std::move(world), L"NVContainer") {}

    const std::vector<Field>& Fields() const { return fields_.fields; }

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"SetValue", {ValueType::Text, ValueType::Text}), &FieldSet::SetValue},
        };
        return table;
    }
    Variant SetValue(const Call& call) {
        const std::wstring name = call.arguments[0].ToText();
        if (name.empty()) throw ProductError(L"A field needs a name.");
        const Field& field = fields_.Write(name, call.arguments[1]);
        return Make<FieldObject>(field);
    }

    Item fields_;
};

// The application: folders, user and password are set first; Login checks them all, and
// only a logged-in application runs functions.
class Application : public GoldMineHandle<Application> {
public:
    explicit Application(std::shared_ptr<GoldMineWorld> world) : ProductHandle(std::move(world), L"Application") {}

private:
    Table Members() const override {
        static const Row table[]{
            {TextProperty(L"SystemFolder"), &Application::Setting<&Application::systemFolder_>},
            {TextProperty(L"GoldmineFolder"), &Application::Setting<&Application::goldmineFolder_>},
            {TextProperty(L"CommonFolder"), &Application::Setting<&Application::commonFolder_>},
            {TextProperty(L"GMUserName"), &Application::Setting<&Application::userName_>},
            {TextProperty(L"GMPassword"),
             [](Application& self, const Call& call) {
                 if (call.kind != CallKind::PropertyPut) throw self.ProductError(L"GMPassword cannot be read.");
                 return self.Setting<&Application::password_>(call);
             }},
            {MethodMember(L"Login"), &Application::Login},
            {MethodMember(L"Logout"),
             [](Application& self, const Call&) {
                 self.loggedIn_ = false;
                 return Variant();
             }},
            {MethodMember(L"NewContainer"), [](Application& self, const Call&) { return self.Make<FieldSet>(); }},
            {MethodMember(L"Execute", {ValueType::Text, ValueType::Object}), &Application::Execute},
        };
        return table;
    }

    // A setting is read back as written; writing one logs out.
    template <std::wstring Application::*setting>
    Variant Setting(const Call& call) {
        if (call.kind != CallKind::PropertyPut) return this->*setting;
        this->*setting = call.arguments.back().ToText();
        loggedIn_ = false;
        return {};
    }

    Variant Login(const Call&) {
        const std::wstring& program = world_->programFolder;
        const bool folders = !program.empty() && SameName(systemFolder_, program) &&
                             SameName(goldmineFolder_, program + L"\\GMBase") &&
                             SameName(commonFolder_, program + L"\\Common");
        if (!folders) throw ProductError(L"GoldMine's files were not found in the folders given.");
        if (!world_->AcceptsLogin(userName_, password_)) {
            throw ProductError(L"Login failed: unknown user name or wrong password.");
        }
        loggedIn_ = true;
        return {};
    }

    Variant Execute(const Call& call) {
        const std::wstring function = call.arguments[0].ToText();
        if (!loggedIn_) throw ProductError(L"Not logged in to GoldMine.");
        if (!SameName(function, L"WriteContact")) throw ProductError(L"Unknown function " + function + L".");
        const auto fields = std::dynamic_pointer_cast<FieldSet>(RequireObject(call.arguments[1]));
        if (!fields) throw ProductError(L"WriteContact takes a GoldMine field set.");
        world_->contacts.push_back(Item{kGoldMineContactKind, fields->Fields(), 0});
        return {};
    }

    std::wstring systemFolder_, goldmineFolder_, commonFolder_, userName_, password_;
    bool loggedIn_ = false;
};

}  // namespace

ObjectRef CreateGoldMineApplication(std::shared_ptr<GoldMineWorld> world) {
    return std::make_shared<Application>(std::move(world));
}

}  // namespace orvantis::standins

#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {
namespace {

class Session : public NotesHandle<Session> {
public:
    explicit Session(std::shared_ptr<NotesWorld> world) : ProductHandle(std::move(world), L"NotesSession") {}

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"Initialize", {ValueType::Text}, 0), &Session::Initialize},
            {MethodMember(L"GetDbDirectory", {ValueType::Text}), &Session::GetDbDirectory},
            // It never fails: a text that is no date makes a value that is not valid.
            {MethodMember(L"CreateDateTime", {ValueType::Text}),
             [](Session& self, const Call& call) {
                 self.RequireInitialized();
                 return MakeDateTime(self.world_, call.arguments[0].ToText());
             }},
        };
        return table;
    }

    void RequireInitialized() const {
        if (!initialized_) throw NotesError(L"The session has not been initialized");
    }

    // Only the local directory is modelled: there are no servers here.
    Variant GetDbDirectory(const Call& call) {
        RequireInitialized();
        const std::wstring server = call.arguments[0].ToText();
        if (!server.empty()) throw NotesError(L"Unable to find path to server (" + server + L")");
        return MakeDbDirectory(world_);
    }

    Variant Initialize(const Call& call) {
        switch (world_->login) {
            case NotesWorld::Login::Accept:
                break;
            case NotesWorld::Login::WithoutArgument:
                if (call.arguments[0].GetKind() != Variant::Kind::Missing) {
                    throw NotesError(
                        L"Wrong Password. (Passwords are case sensitive - be sure to "
                        L"use correct upper and lower case.)");
                }
                break;
            case NotesWorld::Login::Refuse:
                throw ProductError(world_->refusalNumber, world_->refusalDescription);
        }
        initialized_ = true;
        return {};
    }

    bool initialized_ = false;
};

class DbDirectory : public NotesHandle<DbDirectory> {
public:
    explicit DbDirectory(std::shared_ptr<NotesWorld> world) : ProductHandle(std::move(world), L"NotesDbDirectory") {}

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"OpenDatabase", {ValueType::Text, ValueType::Boolean}, 1),
             [](DbDirectory& self, const Call& call) { return self.Open(call.arguments[0].ToText()); }},
            {MethodMember(L"OpenMailDatabase"),
             [](DbDirectory& self, const Call&) { return self.Open(self.world_->mailDatabase); }},
        };
        return table;
    }

    Variant Open(const std::wstring& fileName) {
        const auto database = world_->FindDatabase(fileName);
        if (!database) throw NotesError(L"File does not exist (" + fileName + L")");
        return MakeDatabase(world_, *database);
    }
};

class DateTime : public NotesHandle<DateTime> {
public:
    DateTime(std::shared_ptr<NotesWorld> world, std::wstring text)
        : ProductHandle(std::move(world), L"NotesDateTime"), text_(std::move(text)) {}

    const std::wstring& Text() const { return text_; }

private:
    Table Members() const override {
        // The stand-in reads no date from the text: it answers the text as it was given.
        static const Row table[]{
            {ReadOnlyMember(L"LocalTime", ValueType::Text),
             [](DateTime& self, const Call&) { return Variant(self.text_); }},
        };
        return table;
    }

    std::wstring text_;
};

}  // namespace

ObjectRef CreateNotesSession(std::shared_ptr<NotesWorld> world) {
    return std::make_shared<Session>(std::move(world));
}

ObjectRef MakeDbDirectory(std::shared_ptr<NotesWorld> world) {
    return std::make_shared<DbDirectory>(std::move(world));
}

ObjectRef MakeDateTime(std::shared_ptr<NotesWorld> world, std::wstring text) {
    return std::make_shared<DateTime>(std::move(world), std::move(text));
}

const std::wstring* DateTimeText(const Object& object) {
    const auto* dateTime = dynamic_cast<const DateTime*>(&object);
    return dateTime ? &dateTime->Text() : nullptr;
}

}  // namespace orvantis::standins

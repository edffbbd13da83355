#include <array>

#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {
namespace {

class Session : public NotesHandle {
public:
    explicit Session(std::shared_ptr<NotesWorld> world)
        : NotesHandle(std::move(world), L"NotesSession") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{
                .name = L"Initialize", .access = Access::Method, .parameters = {ValueType::Text}},
            MemberInfo{.name = L"GetDbDirectory",
                       .access = Access::Method,
                       .parameters = {ValueType::Text},
                       .required = 1},
            MemberInfo{.name = L"CreateDateTime",
                       .access = Access::Method,
                       .parameters = {ValueType::Text},
                       .required = 1},
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"Initialize") {
            Initialize(call.arguments[0]);
            return {};
        }
        if (!initialized_) throw NotesError(L"The session has not been initialized");
        if (name == L"GetDbDirectory") {
            // Only the local directory is modelled: there are no servers here.
            if (!call.arguments[0].ToText().empty()) {
                throw NotesError(L"Unable to find path to server (" + call.arguments[0].ToText() +
                                 L")");
            }
            return MakeDbDirectory(world_);
        }
        // CreateDateTime never fails: a text that is no date makes a value that is not valid.
        return MakeDateTime(world_, call.arguments[0].ToText());
    }

    void Initialize(const Variant& password) {
        switch (world_->login) {
            case NotesWorld::Login::Accept:
                break;
            case NotesWorld::Login::WithoutArgument:
                if (password.GetKind() != Variant::Kind::Missing) {
                    throw NotesError(
                        L"Wrong Password. (Passwords are case sensitive - be sure to "
                        L"use correct upper and lower case.)");
                }
                break;
            case NotesWorld::Login::Refuse:
                throw ProductError(world_->refusalNumber, world_->refusalDescription);
        }
        initialized_ = true;
    }

    bool initialized_ = false;
};

class DbDirectory : public NotesHandle {
public:
    explicit DbDirectory(std::shared_ptr<NotesWorld> world)
        : NotesHandle(std::move(world), L"NotesDbDirectory") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"OpenDatabase",
                       .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Boolean},
                       .required = 1},
            MemberInfo{.name = L"OpenMailDatabase", .access = Access::Method},
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const std::wstring fileName = call.member.name == L"OpenMailDatabase"
                                          ? world_->mailDatabase
                                          : call.arguments[0].ToText();
        const auto database = world_->FindDatabase(fileName);
        if (!database) throw NotesError(L"File does not exist (" + fileName + L")");
        return MakeDatabase(world_, *database);
    }
};

class DateTime : public NotesHandle {
public:
    DateTime(std::shared_ptr<NotesWorld> world, std::wstring text)
        : NotesHandle(std::move(world), L"NotesDateTime"), text_(std::move(text)) {}

    const std::wstring& Text() const { return text_; }

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"LocalTime", .access = Access::ReadOnly, .type = ValueType::Text},
        };
        return table;
    }

    // The stand-in reads no date from the text: it answers the text as it was given.
    Variant Answer(const Call&) override { return text_; }

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

#include <array>
#include <functional>

#include "standins/StandIn.hpp"
#include "standins/groupwise/GroupWiseStandIn.hpp"

namespace orvantis::standins {
namespace {

using namespace groupwise;

constexpr std::wstring_view kGroupWiseSource = L"GroupWise";
constexpr std::wstring_view kAppointmentClass = L"GW.MESSAGE.APPOINTMENT";

class GroupWiseHandle : public ProductHandle<GroupWiseWorld> {
protected:
    GroupWiseHandle(std::shared_ptr<GroupWiseWorld> world, std::wstring_view className)
        : ProductHandle(std::move(world), className, kGroupWiseSource) {}

    // The element at a collection's 1-based position.
    std::size_t PositionIn(const Variant& position, std::size_t count) const {
        return PlaceOf(position, count, [](std::int32_t number) {
            return L"No element at position " + std::to_wstring(number) + L".";
        });
    }
    template <class Handle, class... Place>
    ObjectRef Make(Place... place) const {
        return std::make_shared<Handle>(world_, place...);
    }
};

MemberInfo ReadOnlyObject(std::wstring_view name) {
    return {.name = name, .access = Access::ReadOnly, .type = ValueType::Object};
}

// The subject or body of an appointment; its default member is the plain text.
class FormattedText : public GroupWiseHandle {
public:
    FormattedText(std::shared_ptr<GroupWiseWorld> world, std::size_t appointment,
                  std::wstring_view field)
        : GroupWiseHandle(std::move(world), L"FormattedText"),
          appointment_(appointment),
          field_(field) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"PlainText", .type = ValueType::Text, .dispatchId = 0}};
        return table;
    }
    Variant Answer(const Call& call) override {
        Item& appointment = world_->appointments[appointment_];
        if (call.kind == CallKind::PropertyPut) {
            appointment.Write(field_, call.arguments.back());
            return {};
        }
        const Field* field = appointment.Find(field_);
        return field ? field->value : Variant(L"");
    }

    std::size_t appointment_;
    std::wstring_view field_;
};

class Appointment : public GroupWiseHandle {
public:
    Appointment(std::shared_ptr<GroupWiseWorld> world, std::size_t position)
        : GroupWiseHandle(std::move(world), L"Appointment"), position_(position) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            ReadOnlyObject(L"Subject"),
            ReadOnlyObject(L"BodyText"),
            MemberInfo{.name = kAppointmentIntegerName,
                       .type = ValueType::Long,
                       .dispatchId = kAppointmentInteger},
            MemberInfo{.name = kAppointmentBooleanName,
                       .type = ValueType::Boolean,
                       .dispatchId = kAppointmentBoolean},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"Subject" || name == L"BodyText") {
            return Make<FormattedText>(position_, call.member.name);
        }
        Item& appointment = world_->appointments[position_];
        if (call.kind == CallKind::PropertyPut) {
            appointment.Write(name, call.arguments.back());
            return {};
        }
        const Field* field = appointment.Find(name);
        return field ? field->value : Variant();
    }

    std::size_t position_;
};

class Messages : public GroupWiseHandle {
public:
    explicit Messages(std::shared_ptr<GroupWiseWorld> world)
        : GroupWiseHandle(std::move(world), L"Messages") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            CountMember(),
            MemberInfo{.name = L"Add",
                       .access = Access::Method,
                       .parameters = {ValueType::Text},
                       .required = 1},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        auto& appointments = world_->appointments;
        if (call.member.name == L"Count") return static_cast<std::int32_t>(appointments.size());
        if (!SameName(call.arguments[0].ToText(), kAppointmentClass)) {
            throw ProductError(L"The stand-in makes appointments alone, not " +
                                 call.arguments[0].ToText());
        }
        appointments.push_back(Item{L"Appointment", {}, 0, {}});
        return Make<Appointment>(appointments.size() - 1);
    }
};

class MailBox : public GroupWiseHandle {
public:
    explicit MailBox(std::shared_ptr<GroupWiseWorld> world)
        : GroupWiseHandle(std::move(world), L"Folder") {}

private:
    MemberTable Members() const override {
        static const std::array table{ReadOnlyObject(L"Messages")};
        return table;
    }
    Variant Answer(const Call&) override { return Make<Messages>(); }
};

class FieldDefinition : public GroupWiseHandle {
public:
    FieldDefinition(std::shared_ptr<GroupWiseWorld> world, std::size_t book, std::int32_t number)
        : GroupWiseHandle(std::move(world), L"FieldDefinition"), book_(book), number_(number) {}

private:
    MemberTable Members() const override {
        static const std::array table{MemberInfo{
            .name = L"Name", .access = Access::ReadOnly, .type = ValueType::Text, .dispatchId = 0}};
        return table;
    }
    Variant Answer(const Call&) override {
        return world_->addressBooks[book_].Definition(number_)->name;
    }

    std::size_t book_;
    std::int32_t number_;
};

class FieldDefinitions : public GroupWiseHandle {
public:
    FieldDefinitions(std::shared_ptr<GroupWiseWorld> world, std::size_t book)
        : GroupWiseHandle(std::move(world), L"FieldDefinitions"), book_(book) {}

private:
    MemberTable Members() const override {
        // By GroupWise's number for the field; the second index is taken and not read.
        static const std::array table{
            CountMember(),
            MemberInfo{.name = L"Item",
                       .access = Access::ReadOnly,
                       .type = ValueType::Object,
                       .parameters = {ValueType::Long, ValueType::Any},
                       .required = 1,
                       .dispatchId = 0},
            NewEnumMember(),
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        const auto& definitions = world_->addressBooks[book_].fieldDefinitions;
        const auto& name = call.member.name;
        if (name == L"Count") return static_cast<std::int32_t>(definitions.size());
        if (name == L"Item") {
            const std::int32_t number = call.arguments[0].ToLong();
            if (!world_->addressBooks[book_].Definition(number)) {
                throw ProductError(L"No field definition numbered " + std::to_wstring(number) +
                                     L".");
            }
            return Make<FieldDefinition>(book_, number);
        }
        std::vector<std::int32_t> numbers;
        for (const auto& definition : definitions) numbers.push_back(definition.number);
        return Enumerate(numbers.size(), [world = world_, book = book_, numbers](std::size_t i) {
            return Variant(std::make_shared<FieldDefinition>(world, book, numbers[i]));
        });
    }

    std::size_t book_;
};

class Fields : public GroupWiseHandle {
public:
    Fields(std::shared_ptr<GroupWiseWorld> world, std::size_t book, std::size_t entry)
        : GroupWiseHandle(std::move(world), L"Fields"), book_(book), entry_(entry) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            CountMember(),
            MemberInfo{.name = L"Add",
                       .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Long, ValueType::Any},
                       .required = 3},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        auto& fields = world_->addressBooks[book_].entries[entry_].fields;
        if (call.member.name == L"Count") return static_cast<std::int32_t>(fields.size());
        // A second value of a name is kept beside the first, so that a caller who writes one
        // field twice is seen doing so.
        fields.push_back({call.arguments[0].ToText(), call.arguments[2], {}});
        return {};
    }

    std::size_t book_;
    std::size_t entry_;
};

class AddressBookEntry : public GroupWiseHandle {
public:
    AddressBookEntry(std::shared_ptr<GroupWiseWorld> world, std::size_t book, std::size_t entry)
        : GroupWiseHandle(std::move(world), L"AddressBookEntry"), book_(book), entry_(entry) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"DisplayName", .access = Access::ReadOnly, .type = ValueType::Text},
            MemberInfo{
                .name = L"EmailAddress", .access = Access::ReadOnly, .type = ValueType::Text},
            ReadOnlyObject(L"Fields"),
            MemberInfo{.name = kEntryFinalCallName,
                       .access = Access::Method,
                       .dispatchId = kEntryFinalCall},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        auto& entry = world_->addressBooks[book_].entries[entry_];
        const auto& name = call.member.name;
        if (name == L"DisplayName") return entry.displayName;
        if (name == L"EmailAddress") return entry.emailAddress;
        if (name == L"Fields") return Make<Fields>(book_, entry_);
        ++entry.finalCalls;
        return {};
    }

    std::size_t book_;
    std::size_t entry_;
};

class AddressBookEntries : public GroupWiseHandle {
public:
    AddressBookEntries(std::shared_ptr<GroupWiseWorld> world, std::size_t book)
        : GroupWiseHandle(std::move(world), L"AddressBookEntries"), book_(book) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            CountMember(),
            MemberInfo{.name = L"Add",
                       .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Text},
                       .required = 1},
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        auto& entries = world_->addressBooks[book_].entries;
        if (call.member.name == L"Count") return static_cast<std::int32_t>(entries.size());
        const Variant& email = call.arguments[1];
        entries.push_back({call.arguments[0].ToText(),
                           email.GetKind() == Variant::Kind::Missing ? L"" : email.ToText(),
                           {},
                           0});
        return Make<AddressBookEntry>(book_, entries.size() - 1);
    }

    std::size_t book_;
};

class AddressBook : public GroupWiseHandle {
public:
    AddressBook(std::shared_ptr<GroupWiseWorld> world, std::size_t book)
        : GroupWiseHandle(std::move(world), L"AddressBook"), book_(book) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"Name", .access = Access::ReadOnly, .type = ValueType::Text},
            ReadOnlyObject(L"AddressBookEntries"),
            ReadOnlyObject(L"FieldDefinitions"),
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"Name") return world_->addressBooks[book_].name;
        if (name == L"AddressBookEntries") return Make<AddressBookEntries>(book_);
        return Make<FieldDefinitions>(book_);
    }

    std::size_t book_;
};

class AddressBooks : public GroupWiseHandle {
public:
    explicit AddressBooks(std::shared_ptr<GroupWiseWorld> world)
        : GroupWiseHandle(std::move(world), L"AddressBooks") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            CountMember(),
            ItemByPositionMember(),
            NewEnumMember(),
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        const std::size_t count = world_->addressBooks.size();
        const auto& name = call.member.name;
        if (name == L"Count") return static_cast<std::int32_t>(count);
        if (name == L"Item") return Make<AddressBook>(PositionIn(call.arguments[0], count));
        return Enumerate(count, [world = world_](std::size_t i) {
            return Variant(std::make_shared<AddressBook>(world, i));
        });
    }
};

class Account : public GroupWiseHandle {
public:
    explicit Account(std::shared_ptr<GroupWiseWorld> world)
        : GroupWiseHandle(std::move(world), L"Account") {}

private:
    MemberTable Members() const override {
        static const std::array table{ReadOnlyObject(L"AddressBooks"), ReadOnlyObject(L"MailBox")};
        return table;
    }
    Variant Answer(const Call& call) override {
        if (call.member.name == L"AddressBooks") return Make<AddressBooks>();
        return Make<MailBox>();
    }
};

class Application : public GroupWiseHandle {
public:
    explicit Application(std::shared_ptr<GroupWiseWorld> world)
        : GroupWiseHandle(std::move(world), L"Application") {}

private:
    MemberTable Members() const override {
        // Login(UserID, CommandLine, Password, WhenToPrompt, Reserved): with none given it
        // joins the running client's session.
        static const std::array table{
            MemberInfo{.name = L"Login",
                       .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Text, ValueType::Text,
                                      ValueType::Long, ValueType::Any}},
            ReadOnlyObject(L"Account"),
        };
        return table;
    }
    Variant Answer(const Call& call) override {
        if (call.member.name == L"Login") {
            ++world_->logins;
            loggedIn_ = true;
        } else if (!loggedIn_) {
            throw ProductError(L"Not logged in.");
        }
        return Make<Account>();
    }

    bool loggedIn_ = false;
};

}  // namespace

ObjectRef CreateGroupWiseSession(std::shared_ptr<GroupWiseWorld> world) {
    return std::make_shared<Application>(std::move(world));
}

}  // namespace orvantis::standins

#include "standins/StandIn.hpp"
#include "standins/groupwise/GroupWiseStandIn.hpp"

namespace orvantis::standins {
namespace {

using namespace groupwise;

constexpr std::wstring_view kAppointmentClass = L"GW.MESSAGE.APPOINTMENT";

template <class Self>
using GroupWiseHandle = ProductHandle<GroupWiseWorld, Self>;

MemberInfo ReadOnlyObject(std::wstring_view name) { return ReadOnlyMember(name, ValueType::Object); }

MemberInfo ReadOnlyText(std::wstring_view name) { return ReadOnlyMember(name, ValueType::Text); }

// The subject or body of an appointment; its default member is the plain text.
class FormattedText : public GroupWiseHandle<FormattedText> {
public:
    FormattedText(std::shared_ptr<GroupWiseWorld> world, std::size_t appointment,
                  std::wstring_view field)
        : ProductHandle(std::move(world), L"FormattedText"), appointment_(appointment), field_(field) {}

private:
    Table Members() const override {
        static const Row table[]{
            {{.name = L"PlainText", .type = ValueType::Text, .dispatchId = 0}, &FormattedText::PlainText}};
        return table;
    }
    Variant PlainText(const Call& call) {
        Item& appointment = world_->appointments[appointment_];
        if (call.kind == CallKind::PropertyPut) {
            appointment.Write(field_, call.arguments.back());
            return {};
        }
        const Field* field = appointment.Find(field_);
        return field ? field->Value() : Variant(L"");
    }

    std::size_t appointment_;
    std::wstring_view field_;
};

class Appointment : public GroupWiseHandle<Appointment> {
public:
    Appointment(std::shared_ptr<GroupWiseWorld> world, std::size_t position)
        : ProductHandle(std::move(world), L"Appointment"), position_(position) {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyObject(L"Subject"), &Appointment::Text},
            {ReadOnlyObject(L"BodyText"), &Appointment::Text},
            {{.name = kAppointmentIntegerName, .type = ValueType::Long, .dispatchId = kAppointmentInteger},
             &Appointment::Property},
            {{.name = kAppointmentBooleanName, .type = ValueType::Boolean, .dispatchId = kAppointmentBoolean},
             &Appointment::Property},
        };
        return table;
    }
    Variant Text(const Call& call) { return Make<FormattedText>(position_, call.member.name); }
    Variant Property(const Call& call) {
        Item& appointment = world_->appointments[position_];
        if (call.kind == CallKind::PropertyPut) {
            appointment.Write(call.member.name, call.arguments.back());
            return {};
        }
        const Field* field = appointment.Find(call.member.name);
        return field ? field->Value() : Variant();
    }

    std::size_t position_;
};

class Messages : public GroupWiseHandle<Messages> {
public:
    explicit Messages(std::shared_ptr<GroupWiseWorld> world) : ProductHandle(std::move(world), L"Messages") {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](Messages& self, const Call&) { return Count(self.world_->appointments); }},
            {MethodMember(L"Add", {ValueType::Text}), &Messages::Add},
        };
        return table;
    }
    Variant Add(const Call& call) {
        if (!SameName(call.arguments[0].ToText(), kAppointmentClass)) {
            throw ProductError(L"The stand-in makes appointments alone, not " + call.arguments[0].ToText());
        }
        auto& appointments = world_->appointments;
        appointments.push_back(Item{L"Appointment", {}, 0});
        return Make<Appointment>(appointments.size() - 1);
    }
};

class MailBox : public GroupWiseHandle<MailBox> {
public:
    explicit MailBox(std::shared_ptr<GroupWiseWorld> world) : ProductHandle(std::move(world), L"Folder") {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyObject(L"Messages"), [](MailBox& self, const Call&) { return self.Make<Messages>(); }}};
        return table;
    }
};

class FieldDefinition : public GroupWiseHandle<FieldDefinition> {
public:
    FieldDefinition(std::shared_ptr<GroupWiseWorld> world, std::size_t book, std::int32_t number)
        : ProductHandle(std::move(world), L"FieldDefinition"), book_(book), number_(number) {}

private:
    Table Members() const override {
        static const Row table[]{
            {{.name = L"Name", .access = Access::ReadOnly, .type = ValueType::Text, .dispatchId = 0},
             [](FieldDefinition& self, const Call&) {
                 return Variant(self.world_->addressBooks[self.book_].Definition(self.number_)->name);
             }}};
        return table;
    }

    std::size_t book_;
    std::int32_t number_;
};

class FieldDefinitions : public GroupWiseHandle<FieldDefinitions> {
public:
    FieldDefinitions(std::shared_ptr<GroupWiseWorld> world, std::size_t book)
        : ProductHandle(std::move(world), L"FieldDefinitions"), book_(book) {}

private:
    Table Members() const override {
        // By GroupWise's number for the field; the second index is taken and not read.
        static const Row table[]{
            {CountMember(), [](FieldDefinitions& self, const Call&) { return Count(self.Book().fieldDefinitions); }},
            {{.name = L"Item", .access = Access::ReadOnly, .type = ValueType::Object,
              .parameters = {ValueType::Long, ValueType::Any}, .required = 1, .dispatchId = 0},
             &FieldDefinitions::Item},
            {NewEnumMember(), &FieldDefinitions::NewEnum},
        };
        return table;
    }
    const GroupWiseAddressBook& Book() const { return world_->addressBooks[book_]; }
    Variant Item(const Call& call) {
        const std::int32_t number = call.arguments[0].ToLong();
        if (!Book().Definition(number)) {
            throw ProductError(L"No field definition numbered " + std::to_wstring(number) + L".");
        }
        return Make<FieldDefinition>(book_, number);
    }
    Variant NewEnum(const Call&) {
        std::vector<std::int32_t> numbers;
        for (const auto& definition : Book().fieldDefinitions) numbers.push_back(definition.number);
        return Enumerate(numbers.size(), [world = world_, book = book_, numbers](std::size_t i) {
            return Variant(std::make_shared<FieldDefinition>(world, book, numbers[i]));
        });
    }

    std::size_t book_;
};

class Fields : public GroupWiseHandle<Fields> {
public:
    Fields(std::shared_ptr<GroupWiseWorld> world, std::size_t book, std::size_t entry)
        : ProductHandle(std::move(world), L"Fields"), book_(book), entry_(entry) {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](Fields& self, const Call&) { return Count(self.Entry().fields); }},
            {MethodMember(L"Add", {ValueType::Text, ValueType::Long, ValueType::Any}), &Fields::Add},
        };
        return table;
    }
    GroupWiseEntry& Entry() const { return world_->addressBooks[book_].entries[entry_]; }
    // A second value of a name is kept beside the first, so that a caller who writes one
    // field twice is seen doing so.
    Variant Add(const Call& call) {
        Entry().fields.emplace_back(call.arguments[0].ToText(), call.arguments[2]);
        return {};
    }

    std::size_t book_;
    std::size_t entry_;
};

class AddressBookEntry : public GroupWiseHandle<AddressBookEntry> {
public:
    AddressBookEntry(std::shared_ptr<GroupWiseWorld> world, std::size_t book, std::size_t entry)
        : ProductHandle(std::move(world), L"AddressBookEntry"), book_(book), entry_(entry) {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyText(L"DisplayName"),
             [](AddressBookEntry& self, const Call&) { return Variant(self.Entry().displayName); }},
            {ReadOnlyText(L"EmailAddress"),
             [](AddressBookEntry& self, const Call&) { return Variant(self.Entry().emailAddress); }},
            {ReadOnlyObject(L"Fields"),
             [](AddressBookEntry& self, const Call&) { return self.Make<Fields>(self.book_, self.entry_); }},
            {{.name = kEntryFinalCallName, .access = Access::Method, .dispatchId = kEntryFinalCall},
             [](AddressBookEntry& self, const Call&) {
                 // The entry is complete: a book of many entries keeps no room to grow.
                 self.Entry().fields.shrink_to_fit();
                 ++self.Entry().finalCalls;
                 return Variant();
             }},
        };
        return table;
    }
    GroupWiseEntry& Entry() const { return world_->addressBooks[book_].entries[entry_]; }

    std::size_t book_;
    std::size_t entry_;
};

class AddressBookEntries : public GroupWiseHandle<AddressBookEntries> {
public:
    AddressBookEntries(std::shared_ptr<GroupWiseWorld> world, std::size_t book)
        : ProductHandle(std::move(world), L"AddressBookEntries"), book_(book) {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](AddressBookEntries& self, const Call&) { return Count(self.Entries()); }},
            {MethodMember(L"Add", {ValueType::Text, ValueType::Text}, 1), &AddressBookEntries::Add},
        };
        return table;
    }
    std::vector<GroupWiseEntry>& Entries() const { return world_->addressBooks[book_].entries; }
    Variant Add(const Call& call) {
        const Variant& email = call.arguments[1];
        Entries().push_back(
            {call.arguments[0].ToText(), email.GetKind() == Variant::Kind::Missing ? L"" : email.ToText(), {}, 0});
        return Make<AddressBookEntry>(book_, Entries().size() - 1);
    }

    std::size_t book_;
};

class AddressBook : public GroupWiseHandle<AddressBook> {
public:
    AddressBook(std::shared_ptr<GroupWiseWorld> world, std::size_t book)
        : ProductHandle(std::move(world), L"AddressBook"), book_(book) {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyText(L"Name"),
             [](AddressBook& self, const Call&) { return Variant(self.world_->addressBooks[self.book_].name); }},
            {ReadOnlyObject(L"AddressBookEntries"),
             [](AddressBook& self, const Call&) { return self.Make<AddressBookEntries>(self.book_); }},
            {ReadOnlyObject(L"FieldDefinitions"),
             [](AddressBook& self, const Call&) { return self.Make<FieldDefinitions>(self.book_); }},
        };
        return table;
    }

    std::size_t book_;
};

class AddressBooks : public GroupWiseHandle<AddressBooks> {
public:
    explicit AddressBooks(std::shared_ptr<GroupWiseWorld> world) : ProductHandle(std::move(world), L"AddressBooks") {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](AddressBooks& self, const Call&) { return Count(self.world_->addressBooks); }},
            {ItemByPositionMember(),
             [](AddressBooks& self, const Call& call) {
                 return self.Make<AddressBook>(self.PositionIn(call.arguments[0], self.world_->addressBooks.size()));
             }},
            {NewEnumMember(),
             [](AddressBooks& self, const Call&) {
                 return self.Enumerate(self.world_->addressBooks.size(), [world = self.world_](std::size_t i) {
                     return Variant(std::make_shared<AddressBook>(world, i));
                 });
             }},
        };
        return table;
    }
};

class Account : public GroupWiseHandle<Account> {
public:
    explicit Account(std::shared_ptr<GroupWiseWorld> world) : ProductHandle(std::move(world), L"Account") {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyObject(L"AddressBooks"), [](Account& self, const Call&) { return self.Make<AddressBooks>(); }},
            {ReadOnlyObject(L"MailBox"), [](Account& self, const Call&) { return self.Make<MailBox>(); }},
        };
        return table;
    }
};

class Application : public GroupWiseHandle<Application> {
public:
    explicit Application(std::shared_ptr<GroupWiseWorld> world) : ProductHandle(std::move(world), L"Application") {}

private:
    Table Members() const override {
        // Login(UserID, CommandLine, Password, WhenToPrompt, Reserved): with none given it
        // joins the running client's session.
        static const Row table[]{
            {MethodMember(L"Login", {ValueType::Text, ValueType::Text, ValueType::Text, ValueType::Long, ValueType::Any}, 0),
             [](Application& self, const Call&) {
                 ++self.world_->logins;
                 self.loggedIn_ = true;
                 return self.Make<Account>();
             }},
            {ReadOnlyObject(L"Account"),
             [](Application& self, const Call&) {
                 if (!self.loggedIn_) throw self.ProductError(L"Not logged in.");
                 return self.Make<Account>();
             }},
        };
        return table;
    }

    bool loggedIn_ = false;
};

}  // namespace

ObjectRef CreateGroupWiseSession(std::shared_ptr<GroupWiseWorld> world) {
    return std::make_shared<Application>(std::move(world));
}

}  // namespace orvantis::standins

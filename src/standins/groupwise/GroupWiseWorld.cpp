#include "standins/groupwise/GroupWiseWorld.hpp"

#include <charconv>

#include "standins/WorldFile.hpp"

namespace orvantis::standins {
namespace {

constexpr std::wstring_view kAddressBooks = L"Address Books";
constexpr std::wstring_view kMailbox = L"Mailbox";
constexpr std::wstring_view kFieldDefinitions = L"FieldDefinitions";
constexpr std::wstring_view kEmailAddress = L"EmailAddress";
constexpr std::wstring_view kFinalCalls = L"FinalCalls";
constexpr std::wstring_view kFields = L"Fields";
constexpr std::wstring_view kAppointment = L"Appointment";

GroupWiseAddressBook Book(std::wstring name) {
    return {std::move(name), GroupWiseWorld::DefaultFieldDefinitions(), {}};
}

std::vector<GroupWiseFieldDefinition> ReadDefinitions(const nlohmann::ordered_json& json) {
    std::vector<GroupWiseFieldDefinition> definitions;
    for (const auto& [key, name] : json.items()) {
        GroupWiseFieldDefinition definition;
        const auto [end, error] =
            std::from_chars(key.data(), key.data() + key.size(), definition.number);
        if (error != std::errc() || end != key.data() + key.size() || !name.is_string()) {
            throw DamagedWorld("a field definition is \"NUMBER\": \"NAME\", not \"" + key + "\"");
        }
        definition.name = TextOf(name);
        definitions.push_back(std::move(definition));
    }
    return definitions;
}

GroupWiseEntry ReadEntry(const Container& container) {
    GroupWiseEntry entry{container.name, {}, {}, 0};
    for (const auto& attribute : container.attributes) {
        if (attribute.name == kEmailAddress && attribute.Kind() == Variant::Kind::Text) {
            entry.emailAddress = attribute.Value().ToText();
        } else if (attribute.name == kFinalCalls && attribute.Kind() == Variant::Kind::Long) {
            entry.finalCalls = attribute.Value().ToLong();
        } else {
            throw DamagedWorld("an entry has EmailAddress (text) and FinalCalls (a number) alone");
        }
    }
    if (!container.containers.empty() || container.items.size() > 1 ||
        (container.items.size() == 1 && container.items[0].kind != kFields)) {
        throw DamagedWorld("an entry holds one item, its \"Fields\"");
    }
    if (!container.items.empty()) entry.fields = container.items[0].fields;
    return entry;
}

GroupWiseAddressBook ReadBook(const Container& container) {
    GroupWiseAddressBook book = Book(container.name);
    for (const auto& attribute : container.attributes) {
        const auto* definitions = attribute.ProductValue();
        if (attribute.name != kFieldDefinitions || !definitions || !definitions->is_object()) {
            throw DamagedWorld(
                "an address book has FieldDefinitions ({\"NUMBER\": \"NAME\"}) alone");
        }
        book.fieldDefinitions = ReadDefinitions(*definitions);
    }
    if (!container.items.empty()) throw DamagedWorld("an address book holds entries, not items");
    for (const auto& entry : container.containers) book.entries.push_back(ReadEntry(entry));
    return book;
}

Container WriteBook(const GroupWiseAddressBook& book) {
    auto definitions = nlohmann::ordered_json::object();
    for (const auto& definition : book.fieldDefinitions) {
        definitions[std::to_string(definition.number)] = JsonText(definition.name);
    }
    Field definitionsField(kFieldDefinitions);
    definitionsField.SetProductValue(std::move(definitions));
    Container container{book.name, {std::move(definitionsField)}, {}, {}, {}};
    for (const auto& entry : book.entries) {
        container.containers.push_back({entry.displayName,
                                        {Field(kEmailAddress, entry.emailAddress), Field(kFinalCalls, entry.finalCalls)},
                                        {},
                                        {Item{kFields, entry.fields, 0}},
                                        {}});
    }
    return container;
}

}  // namespace

const GroupWiseFieldDefinition* GroupWiseAddressBook::Definition(std::int32_t number) const {
    for (const auto& definition : fieldDefinitions) {
        if (definition.number == number) return &definition;
    }
    return nullptr;
}

// GroupWise's names for the fields an address book offers, under GroupWise's numbers.
std::vector<GroupWiseFieldDefinition> GroupWiseWorld::DefaultFieldDefinitions() {
    return {{4, L"Comments"},
            {7, L"First Name"},
            {8, L"Office Phone Number"},
            {9, L"Home Phone Number"},
            {10, L"Last Name"},
            {11, L"Organization"},
            {12, L"Title"},
            {14, L"ZIP Code"},
            {15, L"Fax Number"},
            {16, L"Mobile Phone Number"},
            {19, L"Country"},
            {20, L"City"},
            {21, L"Address"},
            {28, L"Web Site"},
            {29, L"Home City"},
            {30, L"Home Country"},
            {31, L"Home ZIP Code"},
            {33, L"Home Address"}};
}

GroupWiseWorld::GroupWiseWorld()
    : addressBooks{Book(L"Novell GroupWise Address Book"), Book(L"Frequent Contacts"),
                   Book(L"Customers")} {}

GroupWiseWorld GroupWiseWorld::FromData(const WorldData& data) {
    GroupWiseWorld world;
    for (const auto& [key, value] : data.configuration.items()) {
        if (key != "failures") throw DamagedWorld("unknown configuration \"" + key + "\"");
    }
    world.ledger.failures = ReadFailureRules(data.configuration);
    for (const auto& container : data.containers) {
        if (!container.attributes.empty())
            throw DamagedWorld("the account's parts have no attributes");
        if (container.name == kAddressBooks && container.items.empty()) {
            world.addressBooks.clear();
            for (const auto& book : container.containers)
                world.addressBooks.push_back(ReadBook(book));
            if (world.addressBooks.empty()) world.addressBooks = GroupWiseWorld().addressBooks;
        } else if (container.name == kMailbox && container.containers.empty()) {
            for (const auto& item : container.items) {
                if (item.kind != kAppointment)
                    throw DamagedWorld("the mailbox holds appointments alone");
            }
            world.appointments = container.items;
        } else {
            throw DamagedWorld(
                "the account holds \"Address Books\" with books and a \"Mailbox\" with items");
        }
    }
    return world;
}

WorldData GroupWiseWorld::ToData() const {
    WorldData data;
    WriteFailureRules(ledger.failures, data.configuration);
    Container books{std::wstring(kAddressBooks), {}, {}, {}, {}};
    for (const auto& book : addressBooks) books.containers.push_back(WriteBook(book));
    data.containers = {std::move(books), Container{std::wstring(kMailbox), {}, {}, appointments, {}}};
    return data;
}

}  // namespace orvantis::standins

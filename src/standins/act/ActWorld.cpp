#include "standins/act/ActWorld.hpp"

#include "standins/Members.hpp"
#include "standins/WorldFile.hpp"

namespace orvantis::standins {
namespace {

constexpr wchar_t kDefaultDatabase[] = L"C:\\ACT\\Database\\Contacts.dbf";

// A field is named by its ACT! number in decimal.
void CheckRecord(const Item& record) {
    if (record.kind != kActContactKind) throw DamagedWorld("an ACT! record is a \"Contact\"");
    for (const auto& field : record.fields) {
        const std::wstring& name = field.name.Text();
        const bool number = !name.empty() && name.size() <= 5 &&
                            name.find_first_not_of(L"0123456789") == std::wstring::npos;
        if (!number || field.ProductValue()) {
            throw DamagedWorld("an ACT! field is named by its number and holds a plain value");
        }
    }
}

}  // namespace

ActWorld::ActWorld() : databases{Container{kDefaultDatabase, {}, {}, {}, {}}}, lastDatabase(kDefaultDatabase) {}

ActWorld ActWorld::FromData(const WorldData& data) {
    ActWorld world;
    for (const auto& [key, value] : data.configuration.items()) {
        if (key == "MultiUser" && value.is_boolean()) {
            world.multiUser = value.get<bool>();
        } else if (key == "LastDatabase") {
            world.lastDatabase = TextOf(value);
        } else if (key == "Users" && value.is_object()) {
            for (const auto& [user, password] : value.items()) {
                world.users[TextOf(nlohmann::ordered_json(user))] = TextOf(password);
            }
        } else if (key != "failures") {
            throw DamagedWorld("unknown or malformed configuration \"" + key + "\"");
        }
    }
    world.ledger.failures = ReadFailureRules(data.configuration);
    if (!data.containers.empty()) world.databases = data.containers;
    for (const auto& database : world.databases) {
        if (!database.attributes.empty() || !database.containers.empty()) {
            throw DamagedWorld("an ACT! database holds only records");
        }
        for (const auto& record : database.items) CheckRecord(record);
    }
    return world;
}

WorldData ActWorld::ToData() const {
    WorldData data;
    data.configuration["MultiUser"] = multiUser;
    auto& list = data.configuration["Users"] = nlohmann::ordered_json::object();
    for (const auto& [user, password] : users) list[JsonText(user)] = JsonText(password);
    data.configuration["LastDatabase"] = JsonText(lastDatabase);
    WriteFailureRules(ledger.failures, data.configuration);
    data.containers = databases;
    return data;
}

Container* ActWorld::FindDatabase(std::wstring_view path) {
    if (path.empty()) return nullptr;
    for (auto& database : databases) {
        if (SameName(database.name, path)) return &database;
    }
    return nullptr;
}

bool ActWorld::AcceptsLogin(std::wstring_view user, std::wstring_view password) const {
    for (const auto& [name, expected] : users) {
        if (SameName(name, user) && expected == password) return true;
    }
    return false;
}

}  // namespace orvantis::standins

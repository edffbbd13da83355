#include "standins/goldmine/GoldMineWorld.hpp"

#include <cwctype>

#include "standins/WorldFile.hpp"

namespace orvantis::standins {
namespace {

constexpr wchar_t kContacts[] = L"Contacts";

std::wstring UpperCase(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

}  // namespace

GoldMineWorld::GoldMineWorld() : users{{L"JDUPONT", L"secret"}} {}

GoldMineWorld GoldMineWorld::FromData(const WorldData& data) {
    GoldMineWorld world;
    for (const auto& [key, value] : data.configuration.items()) {
        if (key == "ProgramFolder") {
            world.programFolder = TextOf(value);
        } else if (key == "Users" && value.is_object()) {
            world.users.clear();
            // GoldMine keeps user names in upper case and upper-cases a name at log-in.
            for (const auto& [user, password] : value.items()) {
                world.users[UpperCase(TextOf(nlohmann::ordered_json(user)))] = TextOf(password);
            }
        } else if (key != "failures") {
            throw DamagedWorld("unknown or malformed configuration \"" + key + "\"");
        }
    }
    world.ledger.failures = ReadFailureRules(data.configuration);
    if (data.containers.size() > 1 ||
        (data.containers.size() == 1 && data.containers[0].name != kContacts)) {
        throw DamagedWorld("GoldMine holds one container, \"Contacts\"");
    }
    if (!data.containers.empty()) {
        const Container& contacts = data.containers[0];
        if (!contacts.attributes.empty() || !contacts.containers.empty()) {
            throw DamagedWorld("\"Contacts\" holds only contacts");
        }
        for (const auto& contact : contacts.items) {
            if (contact.kind != kGoldMineContactKind) throw DamagedWorld("a GoldMine item is a \"Contact\"");
            for (const auto& field : contact.fields) {
                if (field.Kind() != Variant::Kind::Text || field.ProductValue()) {
                    throw DamagedWorld("a GoldMine field holds text");
                }
            }
        }
        world.contacts = contacts.items;
    }
    return world;
}

WorldData GoldMineWorld::ToData() const {
    WorldData data;
    data.configuration["ProgramFolder"] = JsonText(programFolder);
    auto& list = data.configuration["Users"] = nlohmann::ordered_json::object();
    for (const auto& [user, password] : users) list[JsonText(user)] = JsonText(password);
    WriteFailureRules(ledger.failures, data.configuration);
    data.containers.push_back(Container{kContacts, {}, {}, contacts, {}});
    return data;
}

bool GoldMineWorld::AcceptsLogin(const std::wstring& user, const std::wstring& password) const {
    const auto found = users.find(UpperCase(user));
    return found != users.end() && found->second == password;
}

}  // namespace orvantis::standins

#include "standins/notes/NotesWorld.hpp"

#include <stdexcept>

#include "standins/Members.hpp"
#include "standins/WorldFile.hpp"

namespace orvantis::standins {
namespace {

using Json = nlohmann::ordered_json;

constexpr char kAccept[] = "accept";
constexpr char kWithoutArgument[] = "without argument";

std::vector<Container> DefaultDatabases() {
    return {Container{L"names.nsf", {}, {}, {}, {}}, Container{L"mail.nsf", {}, {}, {}, {}}};
}

bool IsText(const Json& json) {
    return json.is_string();
}

bool IsHex(const Json& json) {
    return json.is_string() &&
           json.get<std::string>().find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool IsAttachment(const Json& json) {
    return json.is_object() && json.size() == 2 && json.contains("name") && IsText(json["name"]) &&
           json.contains("bytes") && IsHex(json["bytes"]);
}

bool IsRichText(const Json& json) {
    if (!json.is_object() || json.size() != 2 || !json.contains("text") || !IsText(json["text"]) ||
        !json.contains("attachments") || !json["attachments"].is_array()) {
        return false;
    }
    for (const auto& attachment : json["attachments"]) {
        if (!IsAttachment(attachment)) return false;
    }
    return true;
}

void CheckValue(Field& field) {
    if (const Json* value = field.ProductValue()) {
        const Json& product = *value;
        const bool valid =
            product.is_object() && product.size() == 1 &&
            ((product.contains(notes::kDateTimeKey) && IsText(product[notes::kDateTimeKey])) ||
             (product.contains(notes::kRichTextKey) && IsRichText(product[notes::kRichTextKey])));
        if (!valid) throw DamagedWorld("not a Notes value: " + product.dump());
        return;
    }
    switch (field.Kind()) {
        case Variant::Kind::Long:
            field.SetValue(field.Value().ToDouble());
            return;  // Notes numbers are floating-point
        case Variant::Kind::Empty:
        case Variant::Kind::Text:
        case Variant::Kind::Double:
        case Variant::Kind::Date:
            return;
        default:
            throw DamagedWorld(JsonText(field.name) + " holds a value Notes does not keep");
    }
}

void ReadLogin(const Json& json, NotesWorld& world) {
    if (json == kAccept) {
        world.login = NotesWorld::Login::Accept;
    } else if (json == kWithoutArgument) {
        world.login = NotesWorld::Login::WithoutArgument;
    } else if (json.is_object() && json.size() == 2 && json.contains("number") &&
               json["number"].is_number_integer() && json.contains("description")) {
        world.login = NotesWorld::Login::Refuse;
        world.refusalNumber = json["number"].get<std::int32_t>();
        world.refusalDescription = TextOf(json["description"]);
    } else {
        throw DamagedWorld(
            "Initialize is \"accept\", \"without argument\" or "
            "{\"number\": N, \"description\": TEXT}");
    }
}

Json WriteLogin(const NotesWorld& world) {
    switch (world.login) {
        case NotesWorld::Login::Accept:
            return kAccept;
        case NotesWorld::Login::WithoutArgument:
            return kWithoutArgument;
        case NotesWorld::Login::Refuse:
            break;
    }
    return {{"number", world.refusalNumber}, {"description", JsonText(world.refusalDescription)}};
}

}  // namespace

NotesWorld::NotesWorld() : databases(DefaultDatabases()) {}

NotesWorld NotesWorld::FromData(const WorldData& data) {
    NotesWorld world;
    for (const auto& [key, value] : data.configuration.items()) {
        if (key == "Initialize")
            ReadLogin(value, world);
        else if (key == "MailDatabase")
            world.mailDatabase = TextOf(value);
        else if (key == "ValidationFailure")
            world.validationFailure = TextOf(value);
        else if (key != "failures")
            throw DamagedWorld("unknown configuration \"" + key + "\"");
    }
    world.ledger.failures = ReadFailureRules(data.configuration);
    if (!data.containers.empty()) world.databases = data.containers;
    for (auto& database : world.databases) {
        if (!database.attributes.empty() || !database.containers.empty()) {
            throw DamagedWorld("a database holds documents only: " + JsonText(database.name));
        }
        for (auto& document : database.items) {
            if (document.kind != notes::kDocument) {
                throw DamagedWorld("a Notes database holds no " + JsonText(document.kind));
            }
            for (auto& field : document.fields) CheckValue(field);
            document.id = ++world.lastDocumentId;
        }
    }
    return world;
}

WorldData NotesWorld::ToData() const {
    WorldData data;
    data.configuration["Initialize"] = WriteLogin(*this);
    data.configuration["MailDatabase"] = JsonText(mailDatabase);
    if (validationFailure) data.configuration["ValidationFailure"] = JsonText(*validationFailure);
    WriteFailureRules(ledger.failures, data.configuration);
    data.containers = databases;
    return data;
}

std::optional<std::size_t> NotesWorld::FindDatabase(std::wstring_view fileName) const {
    for (std::size_t i = 0; i < databases.size(); ++i) {
        if (SameName(databases[i].name, fileName)) return i;
    }
    return std::nullopt;
}

Container& NotesWorld::Database(std::wstring_view fileName) {
    const auto found = FindDatabase(fileName);
    if (!found) throw std::out_of_range("no such Notes database");
    return databases[*found];
}

}  // namespace orvantis::standins

#include "standins/WorldFile.hpp"

#include <algorithm>
#include <limits>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <vector>

#include "automation/AutomationError.hpp"
#include "automation/DateTime.hpp"
#include "automation/Unicode.hpp"
#include "platform/DurableFiles.hpp"

namespace orvantis::standins {
namespace {

using Json = nlohmann::ordered_json;

std::string DateText(DateValue date) {
    const CivilTime t = SplitDate(date.days);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

DateValue ParseDate(const std::string& text) {
    // Digits where the form has them: the reader below would also take a sign or a blank.
    constexpr std::string_view kForm = "0000-00-00T00:00:00";
    bool digits = text.size() == kForm.size();
    for (std::size_t i = 0; digits && i < kForm.size(); ++i) {
        digits = kForm[i] == '0' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0
                                 : text[i] == kForm[i];
    }
    CivilTime t;
    char tail = 0;
    const bool read = digits &&
                      std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &t.year, &t.month,
                                  &t.day, &t.hour, &t.minute, &t.second, &tail) == 6;
    const auto days = read ? MakeDate(t) : std::nullopt;
    if (!days) throw DamagedWorld("not a date: " + text);
    return DateValue{*days};
}

// A JSON integer that a 32-bit number holds; 18446744073709551615 is no -1.
bool FitsInLong(const Json& value) {
    if (value.is_number_unsigned()) {
        return value.get<std::uint64_t>() <= std::numeric_limits<std::int32_t>::max();
    }
    const auto number = value.get<std::int64_t>();
    return number >= std::numeric_limits<std::int32_t>::min() &&
           number <= std::numeric_limits<std::int32_t>::max();
}

// A list the file must give as a JSON array: an object's values would otherwise be read as one.
const Json& ListOf(const Json& value, std::string_view name) {
    if (!value.is_array()) throw DamagedWorld(std::string(name) + " is not a list");
    return value;
}

// The list under `key` of an object, an empty one when the key is missing.
const Json& ListAt(const Json& object, const char* key) {
    static const Json kNone = Json::array();
    const auto found = object.find(key);
    return found == object.end() ? kNone : ListOf(*found, key);
}

Json EncodeValue(const Field& field) {
    if (const Json* product = field.ProductValue()) return *product;
    const Variant value = field.Value();
    switch (value.GetKind()) {
        case Variant::Kind::Text: return JsonText(*value.TextIf());
        case Variant::Kind::Integer:
        case Variant::Kind::Long: return value.ToLong();
        case Variant::Kind::Double: return value.ToDouble();
        case Variant::Kind::Boolean: return value.ToBoolean();
        case Variant::Kind::Date: return Json{{"date", DateText(value.ToDate())}};
        default: return nullptr;  // only the empty value reaches here: members refuse the rest
    }
}

Field DecodeField(Name name, const Json& value) {
    Field field(name);
    if (value.is_string()) {
        field.SetValue(TextOf(value));
    } else if (value.is_number_integer() && FitsInLong(value)) {
        field.SetValue(value.get<std::int32_t>());
    } else if (value.is_number()) {
        field.SetValue(value.get<double>());
    } else if (value.is_boolean()) {
        field.SetValue(value.get<bool>());
    } else if (value.is_object() && value.size() == 1 && value.contains("date")) {
        field.SetValue(ParseDate(value["date"].get<std::string>()));
    } else if (value.is_object()) {
        field.SetProductValue(value);
    } else if (!value.is_null()) {
        throw DamagedWorld("not a value: " + value.dump());
    }
    return field;
}

void CheckKeys(const Json& object, std::initializer_list<std::string_view> allowed) {
    if (!object.is_object()) throw DamagedWorld("not an object: " + object.dump());
    for (const auto& [key, value] : object.items()) {
        if (std::find(allowed.begin(), allowed.end(), key) == allowed.end()) {
            throw DamagedWorld("unknown key \"" + key + "\"");
        }
    }
}

Json EncodeItem(const Item& item) {
    Json fields = Json::array();
    for (const auto& field : item.fields) {
        fields.push_back({{"name", JsonText(field.name)}, {"value", EncodeValue(field)}});
    }
    return {{"kind", JsonText(item.kind)}, {"fields", std::move(fields)}};
}

Item DecodeItem(const Json& json) {
    CheckKeys(json, {"kind", "fields"});
    Item item{TextOf(json.at("kind")), {}, 0};
    const Json& fields = ListAt(json, "fields");
    item.fields.reserve(fields.size());
    for (const auto& field : fields) {
        CheckKeys(field, {"name", "value"});
        item.fields.push_back(DecodeField(TextOf(field.at("name")), field.value("value", Json())));
    }
    return item;
}

Json EncodeContainer(const Container& container) {
    Json json{{"name", JsonText(container.name)}};
    for (const auto& attribute : container.attributes) {
        json[JsonText(attribute.name)] = EncodeValue(attribute);
    }
    json["containers"] = Json::array();
    for (const auto& child : container.containers) json["containers"].push_back(EncodeContainer(child));
    json["items"] = Json::array();
    for (const auto& item : container.items) json["items"].push_back(EncodeItem(item));
    return json;
}

Container DecodeContainer(const Json& json) {
    if (!json.is_object()) throw DamagedWorld("not a container: " + json.dump());
    Container container{TextOf(json.at("name")), {}, {}, {}, {}};
    for (const auto& [key, value] : json.items()) {
        if (key == "containers") {
            for (const auto& child : ListOf(value, key)) {
                container.containers.push_back(DecodeContainer(child));
            }
        } else if (key == "items") {
            for (const auto& item : ListOf(value, key)) container.items.push_back(DecodeItem(item));
        } else if (key != "name") {
            container.attributes.push_back(DecodeField(TextOf(Json(key)), value));
        }
    }
    return container;
}

AutomationError Damaged(const std::filesystem::path& file, std::string_view reason) {
    const auto why = WideFromUtf8(reason).value_or(L"not UTF-8");
    return AutomationError::Standard(errors::kInvalidFileFormat, PathText(file) + L": " + why);
}

// What the JSON parser takes but a world file must not hold: a key twice in one object (one
// of the values would be dropped without a word) and nesting deeper than any world needs
// (freeing such a value recurses once per level, and 50,000 levels overflow the stack).
Json ParseWorld(const std::string& text) {
    constexpr int kDeepestWorld = 64;
    std::vector<std::set<std::string>> keysOfOpenObjects;
    return Json::parse(text, [&](int depth, Json::parse_event_t event, Json& parsed) {
        if (depth > kDeepestWorld) {
            throw DamagedWorld("nested deeper than " + std::to_string(kDeepestWorld) + " levels");
        }
        if (event == Json::parse_event_t::object_start) keysOfOpenObjects.emplace_back();
        if (event == Json::parse_event_t::object_end) keysOfOpenObjects.pop_back();
        if (event == Json::parse_event_t::key &&
            !keysOfOpenObjects.back().insert(parsed.get<std::string>()).second) {
            throw DamagedWorld("the key \"" + parsed.get<std::string>() + "\" twice in one object");
        }
        return true;
    });
}

}  // namespace

std::string JsonText(std::wstring_view text) { return Utf8FromWide(text); }

std::wstring TextOf(const Json& string) {
    auto text = WideFromUtf8(string.get<std::string>());
    if (!text) throw DamagedWorld("text that is not UTF-8");
    return std::move(*text);
}

std::wstring PathText(const std::filesystem::path& path) {
    const std::u8string bytes = path.u8string();
    return WideFromUtf8(std::string(bytes.begin(), bytes.end())).value_or(L"?");
}

std::filesystem::path PathOf(std::wstring_view text) {
    // From UTF-8, since a path made from wide text converts through the C library's locale,
    // which cannot convert what is not ASCII unless a program sets one.
    const std::string bytes = Utf8FromWide(text);
    return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    std::ifstream file{PathOf(path), std::ios::binary};
    if (path.empty() || !file) return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), {}};
}

std::string HexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::string WorldText(const WorldData& world) {
    Json json{{"configuration", world.configuration}, {"containers", Json::array()}};
    for (const auto& container : world.containers) {
        json["containers"].push_back(EncodeContainer(container));
    }
    return json.dump(2) + "\n";
}

std::optional<std::string> ReadWorldFile(const std::filesystem::path& file,
                                         const std::function<void(const WorldData&)>& accept) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (!std::filesystem::exists(file)) return std::nullopt;
        throw AutomationError::Standard(errors::kPathFileAccess, PathText(file));
    }
    std::ostringstream read;
    read << in.rdbuf();
    std::string text = std::move(read).str();
    try {
        const Json json = ParseWorld(text);
        CheckKeys(json, {"configuration", "containers"});
        WorldData world;
        world.configuration = json.value("configuration", Json::object());
        if (!world.configuration.is_object()) throw DamagedWorld("configuration is not an object");
        for (const auto& container : ListAt(json, "containers")) {
            world.containers.push_back(DecodeContainer(container));
        }
        accept(world);
    } catch (const nlohmann::json::exception& error) {
        throw Damaged(file, error.what());
    } catch (const DamagedWorld& error) {
        throw Damaged(file, error.what());
    }
    return text;
}

void WriteWorldFile(const std::filesystem::path& file, const WorldData& world) {
    ReplaceFileDurably(file, WorldText(world));
}

}  // namespace orvantis::standins

#include "standins/SandboxSettings.hpp"

#include "standins/WorldFile.hpp"

namespace orvantis::standins {

void SandboxSettings::Read(const WorldData& data) {
    if (!data.containers.empty()) throw DamagedWorld("settings hold no containers");
    for (const auto& [application, sections] : data.configuration.items()) {
        if (!sections.is_object()) throw DamagedWorld("not a section list: " + application);
        for (const auto& [section, keys] : sections.items()) {
            if (!keys.is_object()) throw DamagedWorld("not a key list: " + section);
            for (const auto& [key, value] : keys.items()) {
                if (!value.is_string()) throw DamagedWorld("not a text: " + key);
                TextOf(value);  // refuses what is not UTF-8 now, not at the first read
            }
        }
    }
    settings_ = data.configuration;
}

WorldData SandboxSettings::Write() const { return WorldData{settings_, {}}; }

std::optional<std::wstring> SandboxSettings::Read(const std::wstring& application,
                                                  const std::wstring& section,
                                                  const std::wstring& key) {
    const auto names = {JsonText(application), JsonText(section), JsonText(key)};
    const nlohmann::ordered_json* level = &settings_;
    for (const auto& name : names) {
        const auto found = level->find(name);
        if (found == level->end()) return std::nullopt;
        level = &*found;
    }
    return TextOf(*level);
}

void SandboxSettings::Write(const std::wstring& application, const std::wstring& section,
                            const std::wstring& key, const std::wstring& value) {
    settings_[JsonText(application)][JsonText(section)][JsonText(key)] = JsonText(value);
}

}  // namespace orvantis::standins

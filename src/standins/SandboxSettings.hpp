#pragma once

#include <optional>
#include <string>

#include "platform/SettingsStore.hpp"
#include "standins/Product.hpp"

namespace orvantis::standins {

// The per-user settings of one sandbox, kept in settings.json beside the worlds: a login
// given to a sandboxed load or a folder chosen for the stand-ins belongs to them and must
// never change what the real products are loaded with.
class SandboxSettings : public Product, public SettingsStore {
public:
    const char* FileName() const override { return "settings.json"; }
    void Read(const WorldData& data) override;
    WorldData Write() const override;
    void Register(ObjectCatalog&) override {}
    std::size_t LiveObjects() const override { return 0; }
    // Listed by `orvantis settings --sandbox`, which masks the password.
    std::string Describe() const override { return {}; }

    std::optional<std::wstring> Read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override;
    void Write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override;

private:
    // {"application": {"section": {"key": "value"}}}, as the file holds it.
    nlohmann::ordered_json settings_ = nlohmann::ordered_json::object();
};

}  // namespace orvantis::standins

#pragma once

#include <string>

#include "platform/SettingsStore.hpp"

namespace orvantis::cli {

// The stored settings with the "ics" target's folder given for one command (--output DIR)
// instead: read as if stored, never written.
class OutputFolderSetting : public SettingsStore {
public:
    OutputFolderSetting(SettingsStore& stored, std::wstring folder)
        : stored_(stored), folder_(std::move(folder)) {}
    std::optional<std::wstring> Read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override {
        if (application == L"OrvantisAgent" && section == L"Configuration" && key == L"IcsFolder") {
            return folder_;
        }
        return stored_.Read(application, section, key);
    }
    void Write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override {
        stored_.Write(application, section, key, value);
    }

private:
    SettingsStore& stored_;
    std::wstring folder_;
};

}  // namespace orvantis::cli

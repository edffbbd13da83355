#pragma once

#include <filesystem>

#include "platform/SettingsStore.hpp"

namespace orvantis {

// Settings in key files: ${XDG_CONFIG_HOME:-~/.config}/<application>/<section>.ini, one
// [<section>] group inside. GLib's key-file format escapes line breaks, tabs, backslashes and
// leading blanks, so every value round-trips. The file is read afresh on every call, so other
// processes' changes are seen; a write replaces it atomically and leaves it readable by its
// owner alone, as it holds the GoldMine password.
class NativeSettingsStore : public SettingsStore {
public:
    std::optional<std::wstring> Read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override;
    void Write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override;

    static std::filesystem::path FileOf(const std::wstring& application,
                                        const std::wstring& section);
};

}  // namespace orvantis

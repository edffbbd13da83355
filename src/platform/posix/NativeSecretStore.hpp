#pragma once

#include <filesystem>

#include "platform/SecretStore.hpp"

namespace orvantis {

// One file per secret, ${XDG_CONFIG_HOME:-~/.config}/Orvantis/secrets/<name>, UTF-8. Files
// are made 0600 from their creation (folder 0700) and replaced whole; a file that anyone
// but its owner may open, or that another user owns, is refused rather than trusted.
class NativeSecretStore : public SecretStore {
public:
    std::optional<std::wstring> Read(const std::wstring& name) override;
    void Write(const std::wstring& name, const std::wstring& secret) override;

    // The folder of the secrets; empty when there is no home folder to hold it.
    static std::filesystem::path Folder();
};

}  // namespace orvantis

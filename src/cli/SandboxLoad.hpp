#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/Host.hpp"

namespace orvantis::cli {

// A sandbox's secrets: held in memory for one command, so that nothing a sandboxed load
// stores, and no secret of the user's own, is seen there.
class SandboxSecrets : public SecretStore {
public:
    std::optional<std::wstring> Read(const std::wstring& name) override {
        const auto found = secrets_.find(name);
        if (found == secrets_.end()) return std::nullopt;
        return found->second;
    }
    void Write(const std::wstring& name, const std::wstring& secret) override {
        secrets_[name] = secret;
    }

private:
    std::map<std::wstring, std::wstring> secrets_;
};

// The exit status of a load that left stand-in objects alive: a fault of this program.
inline constexpr int kObjectsLeftAlive = 3;

// Runs `load` on `host` with the products answered by the stand-ins whose worlds persist in
// `directory`, and with the settings kept there instead of the user's own (so that nothing
// a sandbox is told reaches a real product), and saves the worlds afterwards, also when the load raised. A damaged world
// file raises before anything runs or is written, a world that cannot be saved raises 75
// with the system's reason. Another process's load of the same folder is waited for.
int LoadInSandbox(const std::filesystem::path& directory, Host& host,
                  const std::function<int(Host&)>& load);

}  // namespace orvantis::cli

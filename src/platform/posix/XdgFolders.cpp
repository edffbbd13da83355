#include "platform/posix/XdgFolders.hpp"

#include <cstdlib>
#include <fstream>
#include <string>

namespace orvantis {
namespace {

std::filesystem::path Absolute(std::filesystem::path path) {
    return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path Under(const std::filesystem::path& base, const std::string& relative) {
    return base.empty() ? base : base / relative;
}

// The home folder, from HOME.
std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    return Absolute(home ? home : "");
}

// A value of user-dirs.dirs, such as "$HOME/Desktop" (the only variable the file may use).
std::filesystem::path UserDirsValue(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    if (value.rfind("$HOME", 0) == 0) {
        const auto home = HomeFolder();
        return home.empty() ? home : std::filesystem::path(home.string() + value.substr(5));
    }
    return Absolute(value);
}

}  // namespace

std::filesystem::path XdgBaseFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return Under(HomeFolder(), fallback);
}

std::filesystem::path UserFolder(const std::string& variable, const char* fallback) {
    if (const char* value = std::getenv(variable.c_str()); value && value[0] == '/') return value;
    const auto config = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
    if (!config.empty()) {
        std::ifstream dirs(config / "user-dirs.dirs");
        const std::string key = variable + '=';
        for (std::string line; std::getline(dirs, line);) {
            if (line.rfind(key, 0) != 0) continue;
            auto folder = UserDirsValue(line.substr(key.size()));
            if (!folder.empty()) return folder;
        }
    }
    return Under(HomeFolder(), fallback);
}

std::filesystem::path DesktopFolder() { return UserFolder("XDG_DESKTOP_DIR", "Desktop"); }

}  // namespace orvantis

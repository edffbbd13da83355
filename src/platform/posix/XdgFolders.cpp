#include "platform/posix/XdgFolders.hpp"

#include <cstdlib>

namespace orvantis {

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

std::filesystem::path XdgBaseFolder(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return HomeFolder() / fallback;
}

}  // namespace orvantis

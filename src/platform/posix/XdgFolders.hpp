#pragma once

#include <filesystem>

namespace orvantis {

// The user's home folder, from HOME.
std::filesystem::path HomeFolder();

// An XDG base folder: the variable's value when it is an absolute path (the XDG rule),
// else the fallback under the home folder, e.g. XdgBaseFolder("XDG_CONFIG_HOME", ".config").
std::filesystem::path XdgBaseFolder(const char* variable, const char* fallback);

}  // namespace orvantis

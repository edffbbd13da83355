#pragma once

#include <filesystem>
#include <string>

namespace orvantis {

// The user's folders by the XDG rules. Each is an absolute path, or empty when it cannot be
// known (HOME unset or relative, and no absolute variable): nothing is ever placed relative
// to the current folder.

// An XDG base folder: the variable's value when it is an absolute path, else the fallback
// under the home folder, e.g. XdgBaseFolder("XDG_CONFIG_HOME", ".config").
std::filesystem::path XdgBaseFolder(const char* variable, const char* fallback);

// A user folder of user-dirs.dirs: the variable from the environment, else from
// user-dirs.dirs, else the fallback under the home folder, e.g.
// UserFolder("XDG_DOCUMENTS_DIR", "Documents").
std::filesystem::path UserFolder(const std::string& variable, const char* fallback);

// The desktop: UserFolder("XDG_DESKTOP_DIR", "Desktop").
std::filesystem::path DesktopFolder();

}  // namespace orvantis

#pragma once

#include "platform/Shell.hpp"

namespace orvantis {

// Special folders in XDG terms; programs started with posix_spawnp, without a shell.
class NativeShell : public Shell {
public:
    // 32 (internet cache): ${XDG_CACHE_HOME:-~/.cache}/. 16 (desktop): the XDG desktop
    // directory, else ~/Desktop/. The folder is created when missing, as Windows' always exist.
    std::wstring SpecialFolderPath(int folderId) override;
    // The command line is split by the Windows rules; the window style has no meaning here.
    void RunAndWait(const std::wstring& commandLine, int windowStyle) override;
    std::wstring ExpandEnvironmentVariables(const std::wstring& text) override;
    bool HasComponentRegistry() const override { return false; }
    // Runs xdg-open where it is on the PATH, which returns once the program is started.
    bool OpenWithDefaultProgram(const std::wstring& path) override;
};

}  // namespace orvantis

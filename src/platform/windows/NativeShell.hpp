#pragma once

#include "platform/Shell.hpp"

namespace orvantis::windows {

class NativeShell : public Shell {
public:
    std::wstring SpecialFolderPath(int folderId) override;
    std::wstring ExpandEnvironmentVariables(const std::wstring& text) override;
    bool HasComponentRegistry() const override { return true; }
    bool OpenWithDefaultProgram(const std::wstring& path) override;
    // Polls every 10 ms for the end of the program and dispatches the thread's messages in
    // between, so the host stays responsive (and may call the control again) meanwhile.
    void RunAndWait(const std::wstring& commandLine, int windowStyle) override;
};

}  // namespace orvantis::windows

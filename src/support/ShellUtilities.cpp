#include "support/ShellUtilities.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis::ShellUtilities {

std::int32_t ShellAndWait(Host& host, const std::wstring& commandLine, int windowStyle) {
    try {
        host.shell.RunAndWait(commandLine, windowStyle);
        return 0;
    } catch (const AutomationError& error) {
        host.ui.MessageBox(L"Last Error Number was: " + std::to_wstring(error.Number()) + L"\r\n" +
                               error.Description(),
                           std::wstring(kComponentTitle), box::kOkOnly);
        return 1;
    }
}

}  // namespace orvantis::ShellUtilities

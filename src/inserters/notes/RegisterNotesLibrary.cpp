#include "inserters/notes/LotusUtilities.hpp"
#include "support/ConfigUtilities.hpp"
#include "support/ShellUtilities.hpp"

namespace orvantis::LotusUtilities {

Variant RegisterNotesLibrary(Host& host) {
    // Without a component registry there is nothing to register into (Linux): a program
    // that answers to regsvr32 there would be someone else's (Wine's, making a prefix).
    if (!host.shell.HasComponentRegistry()) return {};
    std::wstring folder = ConfigUtilities::GetNotesPath(host).ToText();
    if (folder.empty()) folder = L"C:\\PROGRA~1\\lotus\\notes\\";
    // The folder is used as stored: it is expected to end in a backslash.
    ShellUtilities::ShellAndWait(host, L"regsvr32 /s \"" + folder + L"nlsxbe.dll\"",
                                 ShellUtilities::kNormalFocus);
    return {};
}

}  // namespace orvantis::LotusUtilities

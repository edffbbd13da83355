#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// A file name made from a name users see (a company, a contact) with the extension, safe to
// create inside the folder on any platform. Each character that a Windows file name cannot hold
// (\ / : * ? " < > | and control characters) becomes "_", and a reserved device name (CON,
// NUL, COM1, ... also with an extension) gets a "_" in front. Separators being gone, the
// name can only ever name a file in the folder. A long name is cut short so that the file
// name (255) and the path in the folder (259, Windows' limit) fit; the extension stays.
std::wstring SafeFileName(std::wstring_view name, std::wstring_view extension,
                          std::wstring_view folder);

}  // namespace orvantis

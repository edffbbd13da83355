#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// The note's file name for a company: the name with ".rtf", made safe to create inside the
// desktop folder on any platform. Each character that a Windows file name cannot hold
// (\ / : * ? " < > | and control characters) becomes "_", and a reserved device name (CON,
// NUL, COM1, ... also with an extension) gets a "_" in front. Separators being gone, the
// name can only ever name a file in the folder. A long name is cut short so that the file
// name (255) and the path in the folder (259, Windows' limit) fit; ".rtf" stays.
std::wstring DesktopFileName(std::wstring_view companyName, std::wstring_view folder);

}  // namespace orvantis

#pragma once

#include <string>

#include "items/AgentContact.hpp"
#include "platform/Host.hpp"

namespace orvantis::DesktopUtilities {

// The note as an RTF document: a fixed Times New Roman A4 header, then the company's name,
// street, "city, zip country", e-mail, fax and web site, an empty paragraph, and the notes in
// colour 10; each line of a value is a paragraph of its own. Values are RTF-escaped, so they can never become markup.
std::wstring BuildContactRtf(const AgentContact& contact);

// Writes the note (ANSI code page) into the current user's desktop folder, named after the
// company (see SafeFileName, ".rtf"); an existing note of the same company is replaced. Raises 76
// when the platform knows no desktop folder, and any file error.
void WriteDesktopContact(Host& host, const AgentContact& contact);

}  // namespace orvantis::DesktopUtilities

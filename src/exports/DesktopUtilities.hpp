#pragma once

#include <array>
#include <string>

#include "items/AgentContact.hpp"

namespace orvantis::DesktopUtilities {

// What the note shows, in order: the company's name, street, "city, zip country", e-mail, fax
// and web site, an empty line, and last the notes.
std::array<std::wstring, 8> ContactNoteValues(const AgentContact& contact);

// The note as an RTF document: a fixed Times New Roman A4 header, then each of the values
// above, the notes in colour 10. Every line break of a value (LF, CR LF or a lone CR)
// starts a paragraph of its own. Values are RTF-escaped, so they can never become markup.
std::wstring BuildContactRtf(const AgentContact& contact);

// The note's file as written (the ANSI code page, which keeps the escapes' ASCII as it is):
// the document, then its closing "\par }}" once more.
std::string ContactNoteFile(const AgentContact& contact);

}  // namespace orvantis::DesktopUtilities

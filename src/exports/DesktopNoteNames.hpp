#pragma once

#include <string>
#include <vector>

#include "items/AgentContact.hpp"

namespace orvantis {

// The file names of one load's desktop notes, given out in document order so that no note
// replaces another contact's: a note is named after the company, else the person, else
// "Contact"; a name already given (ignoring case, as Windows compares file names) becomes
// "company - person", then gets " (2)", " (3)" and so on. The same document always gets the
// same names, so loading it again replaces its own notes instead of adding more.
class DesktopNoteNames {
public:
    // folder: where the notes go, which bounds the length of their names.
    explicit DesktopNoteNames(std::wstring folder) : folder_(std::move(folder)) {}

    // The next contact's file name (see SafeFileName), ".rtf" included.
    std::wstring Next(const AgentContact& contact);

private:
    bool IsGiven(const std::wstring& name) const;

    std::wstring folder_;
    std::vector<std::wstring> given_;
};

}  // namespace orvantis

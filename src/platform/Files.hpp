#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.hpp"

namespace orvantis {

// Port: the file operations of the exports and inserters. Failures raise AutomationError.
class Files {
public:
    virtual ~Files() = default;
    // Creates or truncates the file and writes the bytes.
    virtual void WriteBytes(const std::wstring& path, std::string_view bytes) = 0;
    // The same with the text in the single-byte (ANSI) code page.
    void WriteAnsiText(const std::wstring& path, std::wstring_view text) {
        WriteBytes(path, ToAnsi(text));
    }
    // The same, but never half done: the bytes go to a new file beside path, which then
    // takes path's place; on failure path keeps what it held and nothing is left behind.
    // A folder that cannot be written raises with the folder's path.
    virtual void WriteFileWhole(const std::wstring& path, std::string_view bytes) = 0;
    virtual void Delete(const std::wstring& path) = 0;
    // Creates a new empty file with a unique name in the temporary folder; returns its path.
    virtual std::wstring CreateUniqueTemporaryFile(std::wstring_view extension) = 0;
    // Creates a new empty folder, readable by this user alone, with a unique name in the
    // temporary folder; returns its path, ending in the platform separator.
    virtual std::wstring CreateUniqueTemporaryFolder() = 0;
    // Removes an empty folder.
    virtual void DeleteFolder(const std::wstring& path) = 0;
};

}  // namespace orvantis

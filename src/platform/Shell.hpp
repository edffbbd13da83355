#pragma once

#include <string>

namespace orvantis {

// Shell special folder identifiers (the platform's CSIDL numbers).
namespace folder {
inline constexpr int kPersonal = 5;  // the user's documents
inline constexpr int kDesktopDirectory = 16;
inline constexpr int kInternetCache = 32;
}  // namespace folder

// Port: shell folders and programs.
class Shell {
public:
    virtual ~Shell() = default;
    // The folder's path, ending in the platform separator; empty when there is none.
    virtual std::wstring SpecialFolderPath(int folderId) = 0;
    // Starts the command line and returns when the started program has ended, letting the
    // thread's messages through meanwhile. A program that cannot be started raises an
    // AutomationError (53 when it does not exist).
    virtual void RunAndWait(const std::wstring& commandLine, int windowStyle) = 0;
    // The text with each %NAME% of a defined environment variable replaced by its value
    // (Windows: ExpandEnvironmentStringsW); registry paths are often stored this way.
    virtual std::wstring ExpandEnvironmentVariables(const std::wstring& text) = 0;
    // Hands the file to the program the user chose for its type; false when the platform
    // knows of none or it did not start.
    virtual bool OpenWithDefaultProgram(const std::wstring& path) = 0;
    // Whether the platform keeps a component registry that regsvr32 fills. Where it keeps
    // none (Linux), registering an automation library has no meaning, and whatever program
    // called regsvr32 may be found there must not be started for it.
    virtual bool HasComponentRegistry() const = 0;
};

}  // namespace orvantis

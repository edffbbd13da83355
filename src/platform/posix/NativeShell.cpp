#include "platform/posix/NativeShell.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "platform/CommandLine.hpp"
#include "platform/posix/ErrnoFailure.hpp"
#include "platform/posix/XdgFolders.hpp"

extern char** environ;

namespace orvantis {
namespace {

// The program's path when a file of that name on the PATH may be run.
std::optional<std::string> FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + '/' + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

}  // namespace

std::wstring NativeShell::SpecialFolderPath(int folderId) {
    std::filesystem::path folder;
    if (folderId == folder::kInternetCache) {
        folder = XdgBaseFolder("XDG_CACHE_HOME", ".cache");
    } else if (folderId == folder::kDesktopDirectory) {
        folder = DesktopFolder();
    } else if (folderId == folder::kPersonal) {
        folder = UserFolder("XDG_DOCUMENTS_DIR", "Documents");
    }
    if (folder.empty()) return {};
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::wstring path = WideFromUtf8(folder.string()).value_or(std::wstring());
    if (path.empty()) return {};
    if (path.back() != L'/') path += L'/';
    return path;
}

std::wstring NativeShell::ExpandEnvironmentVariables(const std::wstring& text) {
    return ExpandPercentVariables(text, [](const std::wstring& name) -> std::optional<std::wstring> {
        const char* value = std::getenv(Utf8FromWide(name).c_str());
        if (!value) return std::nullopt;
        return WideFromUtf8(value);
    });
}

void NativeShell::RunAndWait(const std::wstring& commandLine, int) {
    std::vector<std::string> words;
    for (const auto& word : SplitCommandLine(commandLine)) words.push_back(Utf8FromWide(word));
    if (words.empty() || words.front().empty()) {
        throw AutomationError::Standard(errors::kFileNotFound);
    }
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const int error = posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        throw AutomationError::Standard(ProgramErrorNumber(FailureOfErrno(error)),
                                        WideFromUtf8(words.front()).value_or(L""));
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace orvantis

namespace orvantis {

bool NativeShell::OpenWithDefaultProgram(const std::wstring& path) {
    // xdg-open is what desktops agree on; without it no program is known for a file type.
    const auto opener = FindOnPath("xdg-open");
    if (!opener) return false;
    RunAndWait(QuoteArgument(WideFromUtf8(*opener).value_or(L"xdg-open")) + L' ' +
                   QuoteArgument(path),
               0);
    return true;
}

}  // namespace orvantis

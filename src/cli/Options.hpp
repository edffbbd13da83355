#pragma once

// The command line's options: what follows a command, read once for every command.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ConsoleUserInterface.hpp"

namespace orvantis::cli {

inline constexpr int kUsageError = 2;

// The server login that --dav-url, --dav-user, --dav-password-file and --dav-ca-file give: stored before a
// "dav" load, as the login dialog's OK would store it.
struct DavLogin {
    std::optional<std::wstring> url;
    std::optional<std::wstring> user;
    std::optional<std::wstring> password;
    std::optional<std::wstring> caFile;
};

// What the options after the command say.
struct Options {
    std::optional<std::filesystem::path> sandbox;
    std::optional<std::filesystem::path> output;
    std::optional<PresetAnswer> answer;
    DavLogin dav;
    std::vector<std::string> operands;
    std::vector<std::string_view> given;  // the options named, in order
};

// Options, or nothing once a reason has been said (a usage error, or a password file that
// cannot be read).
std::optional<Options> ParseOptions(int argc, char** argv, int start);

// Whether any option that only some target's load reads was given.
bool HasTargetOptions(const Options& options);

// The first option given that a load into `target` would not read.
std::optional<std::string_view> IgnoredOption(const Options& options, std::wstring_view target);

// Says what was wrong and where the help is, rather than the whole help; kUsageError.
int UsageError(std::string_view wrong);

}  // namespace orvantis::cli

#include "cli/Options.hpp"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "automation/Unicode.hpp"
#include "cli/DocumentFile.hpp"
#include "dialogs/AddressBookView.hpp"
#include "inserters/act/ActLoginDialog.hpp"
#include "inserters/goldmine/GoldmineDialog.hpp"

namespace orvantis::cli {
namespace {

// A list line by position (digits, or -1 for none) or else by its text.
void AnswerAddressBook(PresetAnswer& answer, const std::string& choice) {
    const bool number = !choice.empty() && choice != "-" &&
                        choice.find_first_not_of("0123456789", choice[0] == '-' ? 1 : 0) ==
                            std::string::npos &&
                        choice.size() < 10;
    const auto wide = WideFromUtf8(choice).value_or(L"");
    if (number) {
        answer.selections[kAddressBookList] = std::stoi(choice);
    } else {
        answer.namedSelections[kAddressBookList] = wide;
    }
}

// Every option that answers a dialog adds to one answer, OK; each dialog takes its own ids.
PresetAnswer& Answer(Options& options) {
    if (!options.answer) options.answer = PresetAnswer{DialogAnswer::Button::Ok};
    return *options.answer;
}

// A password is read from a file, never taken on the command line where others can see it:
// the file's first line, without its line break.
std::optional<std::wstring> PasswordFromFile(const std::string& path) {
    const auto bytes = ReadAllBytes(path);
    if (!bytes) return std::nullopt;
    std::string line = bytes->substr(0, bytes->find('\n'));
    if (line.ends_with('\r')) line.pop_back();
    return WideFromUtf8(line);
}

// The text boxes of the login dialogs that an option answers, by option.
struct LoginOption {
    std::string_view option;
    const wchar_t* textBox;
    bool password;
};
constexpr LoginOption kLoginOptions[] = {
    {"--goldmine-user", GoldmineDialog::kUserBox, false},
    {"--goldmine-password-file", GoldmineDialog::kPasswordBox, true},
    {"--act-user", ActLoginDialog::kUserBox, false},
    {"--act-password-file", ActLoginDialog::kPasswordBox, true},
};

// The targets whose load reads each option; a load into any other would ignore it.
struct OptionTarget {
    std::string_view option;
    std::wstring_view target;
};
constexpr OptionTarget kOptionTargets[] = {
    {"--output", L"ics"},
    {"--address-book", L"groupwise"},
    {"--goldmine-user", L"goldmine"},
    {"--goldmine-password-file", L"goldmine"},
    {"--act-user", L"act"},
    {"--act-password-file", L"act"},
    {"--dav-url", L"dav"},
    {"--dav-user", L"dav"},
    {"--dav-password-file", L"dav"},
    {"--dav-ca-file", L"dav"},
    {"--address-book", L"dav"},
};

// An address the server's client can use: http:// or https://, a host, no blanks.
bool IsServerAddress(std::string_view url) {
    const auto separator = url.find("://");
    if (separator == std::string_view::npos) return false;
    std::string scheme(url.substr(0, separator));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string_view rest = url.substr(separator + 3);
    const bool blanks =
        std::any_of(url.begin(), url.end(), [](unsigned char c) { return c <= ' ' || c == 0x7f; });
    return (scheme == "http" || scheme == "https") && !rest.empty() && rest.front() != '/' &&
           !blanks;
}

// The server's options, each stored in its own field before a "dav" load (none answers a
// dialog).
struct DavOption {
    std::string_view option;
    std::optional<std::wstring> DavLogin::*field;
    bool password;
};
constexpr DavOption kDavOptions[] = {
    {"--dav-url", &DavLogin::url, false},
    {"--dav-user", &DavLogin::user, false},
    {"--dav-password-file", &DavLogin::password, true},
    {"--dav-ca-file", &DavLogin::caFile, false},
};

// An option's text: the value itself, or the first line of the password file it names.
std::optional<std::wstring> OptionText(const std::string& value, bool password) {
    auto text = password ? PasswordFromFile(value) : WideFromUtf8(value);
    if (!text) std::cerr << "orvantis: cannot read " << value << " as UTF-8 text\n";
    return text;
}

// The row of a table of options that names the argument; null when none does.
template <class Row, std::size_t N>
const Row* Named(const Row (&table)[N], std::string_view argument) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [&](const Row& row) { return row.option == argument; });
    return found == std::end(table) ? nullptr : found;
}

}  // namespace

bool HasTargetOptions(const Options& options) {
    return std::any_of(options.given.begin(), options.given.end(),
                       [](std::string_view given) { return Named(kOptionTargets, given); });
}

std::optional<std::string_view> IgnoredOption(const Options& options, std::wstring_view target) {
    for (const std::string_view option : options.given) {
        bool targeted = false;
        bool read = false;
        for (const auto& [name, reader] : kOptionTargets) {
            targeted |= name == option;
            read |= name == option && reader == target;
        }
        if (targeted && !read) return option;
    }
    return std::nullopt;
}

int UsageError(std::string_view wrong) {
    std::cerr << "orvantis: " << wrong << "\nRun orvantis --help to see how it is used.\n";
    return kUsageError;
}

std::optional<Options> ParseOptions(int argc, char** argv, int start) {
    Options options;
    for (int i = start; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool hasValue = i + 1 < argc;
        const LoginOption* login = Named(kLoginOptions, argument);
        const DavOption* dav = Named(kDavOptions, argument);
        if (argument.starts_with("--") && hasValue) options.given.push_back(argument);
        if (argument == "--sandbox" && hasValue) {
            options.sandbox = argv[++i];
        } else if (argument == "--output" && hasValue) {
            options.output = argv[++i];
        } else if (argument == "--address-book" && hasValue) {
            AnswerAddressBook(Answer(options), argv[++i]);
        } else if ((login || dav) && hasValue) {
            const std::string value = argv[++i];
            auto text = OptionText(value, login ? login->password : dav->password);
            if (!text) return std::nullopt;
            if (login) {
                Answer(options).texts[login->textBox] = std::move(*text);
            } else if (dav->field == &DavLogin::url && !IsServerAddress(value)) {
                UsageError("--dav-url takes an http:// or https:// address, not " + value);
                return std::nullopt;
            } else {
                options.dav.*(dav->field) = std::move(text);
            }
        } else if (argument.starts_with("--") || (argument.starts_with("-") && argument != "-")) {
            const bool known = argument == "--sandbox" || argument == "--output" ||
                               argument == "--address-book" || login || dav;
            UsageError(known ? std::string(argument) + " needs a value"
                             : "unknown option " + std::string(argument));
            return std::nullopt;
        } else {
            options.operands.emplace_back(argument);
        }
    }
    return options;
}

}  // namespace orvantis::cli

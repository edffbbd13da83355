#include "cli/Options.hpp"

#include <algorithm>
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

// The one target whose load reads each option; a load into any other would ignore it.
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
};

}  // namespace

std::optional<std::string_view> IgnoredOption(const Options& options, std::wstring_view target) {
    for (const std::string_view option : options.given) {
        for (const auto& [name, reader] : kOptionTargets) {
            if (name == option && reader != target) return option;
        }
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
        const auto login = std::find_if(std::begin(kLoginOptions), std::end(kLoginOptions),
                                        [&](const LoginOption& o) { return o.option == argument; });
        if (argument.starts_with("--") && hasValue) options.given.push_back(argument);
        if (argument == "--sandbox" && hasValue) {
            options.sandbox = argv[++i];
        } else if (argument == "--output" && hasValue) {
            options.output = argv[++i];
        } else if (argument == "--address-book" && hasValue) {
            AnswerAddressBook(Answer(options), argv[++i]);
        } else if (login != std::end(kLoginOptions) && hasValue) {
            const std::string value = argv[++i];
            const auto text = login->password ? PasswordFromFile(value) : WideFromUtf8(value);
            if (!text) {
                std::cerr << "orvantis: cannot read " << value << " as UTF-8 text\n";
                return std::nullopt;
            }
            Answer(options).texts[login->textBox] = *text;
        } else if (argument.starts_with("--") || (argument.starts_with("-") && argument != "-")) {
            const bool known = argument == "--sandbox" || argument == "--output" ||
                               argument == "--address-book" || login != std::end(kLoginOptions);
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

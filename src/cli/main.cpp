// orvantis: loads or checks an item document with the same core as the control.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/AutomationError.hpp"
#include "automation/Text.hpp"
#include "automation/Unicode.hpp"
#include "cli/ConsoleUserInterface.hpp"
#include "cli/DocumentFile.hpp"
#include "cli/Options.hpp"
#include "cli/OutputFolderSetting.hpp"
#include "cli/RecordPrinter.hpp"
#include "cli/SandboxLoad.hpp"
#include "control/OrvantisAgent.hpp"
#include "control/Request.hpp"
#include "control/SiteAnswers.hpp"
#include "dav/Collections.hpp"
#include "inserters/groupwise/GroupWiseDialog.hpp"
#include "inserters/outlook/OutlookDialog.hpp"
#include "platform/NativeHost.hpp"
#include "standins/Sandbox.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::cli {
namespace {

constexpr int kFinished = 0;
constexpr int kNotFinished = 1;
// The load ran to its end, but the product did not store every item it was handed.
constexpr int kNotAllStored = 4;

constexpr std::string_view kUsage =
    "usage: orvantis check FILE   read FILE and print its item records as JSON lines\n"
    "       orvantis load [OPTIONS] FILE\n"
    "                             load FILE into the target it names, as the control does\n"
    "       orvantis choose-address-book outlook|groupwise|dav [OPTIONS]\n"
    "                             choose the contact folder that Outlook contacts go to,\n"
    "                             the address book that GroupWise contacts go to, or the DAV\n"
    "                             server's address book and calendars\n"
    "       orvantis sandbox show DIR   print what the products' stand-ins in DIR hold\n"
    "       orvantis settings [--sandbox DIR]\n"
    "                             print the stored per-user settings (the password masked)\n"
    "                             and the sites allowed or refused for pages, or those the\n"
    "                             sandbox in DIR keeps for its own loads\n"
    "       orvantis sites forget ORIGIN\n"
    "                             forget the answer about a site (https://crm.example.com)\n"
    "       orvantis --help | --version\n"
    "Options:\n"
    "  --sandbox DIR              the products are answered by their stand-ins, whose worlds\n"
    "                             are kept in DIR (one JSON file per product, and the\n"
    "                             settings its loads store); without it no product\n"
    "                             answers (429)\n"
    "  --output DIR               the folder the \"ics\" target writes into (else the setting\n"
    "                             IcsFolder, else the documents folder)\n"
    "  --address-book N|NAME      answers the address-book dialog: the line at position N\n"
    "                             (from 0, -1 for none) or the first one named NAME, then OK\n"
    "  --goldmine-user NAME, --goldmine-password-file FILE\n"
    "                             answer the GoldMine dialog with this user name and the\n"
    "                             password on FILE's first line, then OK (which stores both)\n"
    "  --act-user NAME, --act-password-file FILE\n"
    "                             answer the ACT! login window likewise (nothing is stored)\n"
    "  --dav-url URL              the DAV server (http:// or https://) that \"dav\" loads\n"
    "                             write to; stored, and kept for later loads\n"
    "  --dav-user NAME, --dav-password-file FILE\n"
    "                             the server's user name and the password on FILE's first\n"
    "                             line, stored (the password among the user's secrets)\n"
    "                             before the load, as the login dialog's OK stores them\n"
    "  --dav-ca-file FILE         a PEM file of certificate authorities the server's TLS\n"
    "                             certificate may come from, besides the system's; kept\n"
    "FILE is UTF-8 (a BOM is allowed) or UTF-16 with a BOM; - reads standard input.\n"
    "A dialog no option answers is asked at the terminal; without one it is closed, saving\n"
    "nothing.\n"
    "Exit status: 0 the load ran to its end, 1 it did not, 2 usage or file error,\n"
    "3 a stand-in object was left alive (an internal error), 4 the load ran to its end\n"
    "but the product did not store every item.\n";

// Runs a command's work; an automation error ends the command, said with its number and text.
template <class Work>
int Reporting(const Work& work) {
    try {
        return work();
    } catch (const AutomationError& error) {
        std::cout.flush();
        std::cerr << "orvantis: error " << error.Number() << ": "
                  << Utf8FromWide(error.Description()) << '\n';
        return kNotFinished;
    }
}

// One line on standard error after a load that ran to its end: what was read, and where to.
void ReportLoaded(const OrvantisAgent::LoadSummary& loaded) {
    std::cerr << "orvantis: loaded " << loaded.contacts << " contact(s), " << loaded.events
              << " event(s), " << loaded.todos << " task(s) into \""
              << Utf8FromWide(EscapeControlCharacters(loaded.target)) << '"';
    if (loaded.written) std::cerr << ", " << Utf8FromWide(*loaded.written);
    if (loaded.passedOver) std::cerr << "; " << loaded.passedOver << " item(s) not stored";
    std::cerr << '\n';
}

// The load's summary, once it ran to its end; nothing when it did not.
std::optional<OrvantisAgent::LoadSummary> Load(Host& host, const std::wstring& text) {
    OrvantisAgent agent(host);
    Variant document(text);
    agent.LoadXML(document);
    if (!agent.isOk()) return std::nullopt;
    return agent.LastLoad();
}

int Reported(const std::optional<OrvantisAgent::LoadSummary>& loaded) {
    if (!loaded) return kNotFinished;
    ReportLoaded(*loaded);
    return loaded->passedOver ? kNotAllStored : kFinished;
}

constexpr char kServerHasNoStandIn[] = ": a server has no stand-in";

// What the server's options give is stored as the login dialog's OK would store it, so that a
// login stored earlier never takes their place.
void StoreDavLogin(Host& host, const DavLogin& dav) {
    if (dav.url) ConfigUtilities::SaveDavUrl(host, *dav.url);
    if (dav.password) ConfigUtilities::SaveDavPassword(host, *dav.password);
    if (dav.user) ConfigUtilities::SaveDavUser(host, *dav.user);
    // Kept for later loads, which may start in another folder.
    std::error_code ignored;
    if (dav.caFile) ConfigUtilities::SaveDavCaFile(host, std::filesystem::absolute(*dav.caFile, ignored).wstring());
}

// `work` on `host`, with the "ics" folder that --output names read in place of the setting.
template <class Work>
auto WithOutputFolder(Host& host, const Options& options, const Work& work) {
    if (!options.output) return work(host);
    std::error_code ignored;
    OutputFolderSetting output(host.settings,
                               std::filesystem::absolute(*options.output, ignored).wstring());
    Host redirected{host.xml,   host.objects, host.ui,       host.registry, host.shell,
                    host.files, output,       host.timeZone, host.http,     host.secrets};
    return work(redirected);
}

int Run(std::string_view command, const std::wstring& text, const Options& options) {
    const auto& sandbox = options.sandbox;
    const auto terminal = OpenTerminal();
    ConsoleUserInterface console(std::cerr, terminal.get(), options.answer);
    const auto native = CreateNativeHost(console);
    Host& host = native->Get();
    const auto load = [&](Host& target) {
        return WithOutputFolder(target, options, [&](Host& h) { return Load(h, text); });
    };
    return Reporting([&] {
        // An option meant for another target is refused before anything is loaded or stored.
        if (command == "load" && (HasTargetOptions(options) || sandbox)) {
            const auto request = ParseRequest(host, text);
            if (!request) return kNotFinished;
            if (const auto ignored = IgnoredOption(options, request->target)) {
                return UsageError(std::string(*ignored) + " does not apply to a load into \"" +
                                  Utf8FromWide(EscapeControlCharacters(request->target)) + "\"");
            }
            if (request->target == L"dav" && sandbox) {
                return UsageError(std::string("--sandbox does not apply to a load into \"dav\"") +
                                  kServerHasNoStandIn);
            }
            if (request->target == L"dav") StoreDavLogin(host, options.dav);
        }
        if (command == "load" && sandbox) {
            // Said only once the worlds are saved: a failed save is no load.
            std::optional<OrvantisAgent::LoadSummary> loaded;
            const int status = LoadInSandbox(*sandbox, host, [&](Host& products) {
                loaded = load(products);
                return loaded ? kFinished : kNotFinished;
            });
            return status == kFinished ? Reported(loaded) : status;
        }
        if (command == "load") return Reported(load(host));
        const auto request = ParseRequest(host, text);
        if (!request) return kNotFinished;
        RecordPrinter printer(std::cout, request->target);
        ReadItems(request->document, printer);
        return kFinished;
    });
}

// The targets whose address-book dialogs a user may open before loading, with the target
// whose options each reads (Outlook's dialog takes --address-book as GroupWise's does).
struct AddressBookChooser {
    std::string_view product;
    void (*show)(Host& host);
    std::wstring_view readsOptionsOf;
};
constexpr AddressBookChooser kAddressBookChoosers[] = {
    {"outlook", ShowOutlookDialog, L"groupwise"},
    {"groupwise", ShowGroupWiseDialog, L"groupwise"},
    {"dav", dav::ChooseCollections, L"dav"},
};

// Shows a product's address-book dialog, so that a user can choose before loading.
int ChooseAddressBook(const Options& options) {
    const auto named = [&](const AddressBookChooser& c) {
        return options.operands.size() == 1 && options.operands[0] == c.product;
    };
    const auto chooser =
        std::find_if(std::begin(kAddressBookChoosers), std::end(kAddressBookChoosers), named);
    if (chooser == std::end(kAddressBookChoosers)) {
        return UsageError("choose-address-book takes outlook, groupwise or dav");
    }
    if (const auto ignored = IgnoredOption(options, chooser->readsOptionsOf)) {
        return UsageError(std::string(*ignored) + " does not apply to choose-address-book " +
                          std::string(chooser->product));
    }
    if (chooser->readsOptionsOf == L"dav" && options.sandbox) {
        return UsageError(std::string("--sandbox does not apply to choose-address-book dav") +
                          kServerHasNoStandIn);
    }
    const auto terminal = OpenTerminal();
    ConsoleUserInterface console(std::cerr, terminal.get(), options.answer);
    const auto native = CreateNativeHost(console);
    const auto choose = [&](Host& host) {
        StoreDavLogin(host, options.dav);
        chooser->show(host);
        return kFinished;
    };
    return Reporting([&] {
        return options.sandbox ? LoadInSandbox(*options.sandbox, native->Get(), choose)
                               : choose(native->Get());
    });
}

void PrintSettingsOf(Host& host) {
    for (const auto& [key, shown] : ConfigUtilities::DescribeSettings(host)) {
        // One line per setting whatever the value holds; "\" doubled so the escapes read back.
        const std::wstring value = EscapeControlCharacters(ReplaceAll(shown, L"\\", L"\\\\"));
        std::cout << Utf8FromWide(key) << '=' << Utf8FromWide(value) << '\n';
    }
    for (const auto& site : RememberedSites(host)) {
        std::cout << "site " << Utf8FromWide(EscapeControlCharacters(site.origin)) << '='
                  << (site.allowed ? "allowed" : "refused") << '\n';
    }
}

// The user's settings, or those a sandbox keeps for its own loads.
int PrintSettings(const std::optional<std::filesystem::path>& sandbox) {
    ConsoleUserInterface console(std::cerr, nullptr);
    const auto native = CreateNativeHost(console);
    Host& host = native->Get();
    return Reporting([&] {
        if (!sandbox) {
            PrintSettingsOf(host);
        } else {
            standins::Sandbox worlds(*sandbox);
            SandboxSecrets secrets;
            Host inSandbox{host.xml,   host.objects,      host.ui,       host.registry, host.shell,
                           host.files, worlds.Settings(), host.timeZone, host.http,     secrets};
            PrintSettingsOf(inSandbox);
        }
        return kFinished;
    });
}

int ForgetSite(const std::string& origin) {
    ConsoleUserInterface console(std::cerr, nullptr);
    const auto native = CreateNativeHost(console);
    return Reporting([&] {
        if (ForgetSite(native->Get(), WideFromUtf8(origin).value_or(L""))) return kFinished;
        std::cerr << "orvantis: no answer about " << origin << " is remembered\n";
        return kNotFinished;
    });
}

int ShowSandbox(const std::filesystem::path& directory) {
    std::error_code unreadable;
    if (!std::filesystem::is_directory(directory, unreadable)) {
        std::cerr << "orvantis: " << directory.string() << " is not a sandbox folder\n";
        return kUsageError;
    }
    return Reporting([&] {
        std::cout << standins::Sandbox(directory).Describe();
        return kFinished;
    });
}

int Main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::cout << kUsage;
        return kFinished;
    }
    if (argc == 2 && first == "--version") {
        std::cout << "orvantis " << ORVANTIS_VERSION << '\n';
        return kFinished;
    }
    if (argc == 2 && first == "settings") return PrintSettings(std::nullopt);
    if (argc == 4 && first == "settings" && std::string_view(argv[2]) == "--sandbox") {
        return PrintSettings(std::filesystem::path(argv[3]));
    }
    if (argc == 4 && first == "sites" && std::string_view(argv[2]) == "forget") {
        return ForgetSite(argv[3]);
    }
    if (argc == 4 && first == "sandbox" && std::string_view(argv[2]) == "show") {
        return ShowSandbox(argv[3]);
    }
    if (first != "load" && first != "check" && first != "choose-address-book") {
        return UsageError(first.empty() ? std::string("no command given")
                                        : "unknown command or arguments: " + std::string(first));
    }
    const auto options = ParseOptions(argc, argv, 2);
    if (!options) return kUsageError;
    if (first == "choose-address-book") return ChooseAddressBook(*options);
    if (first == "check" && !options->given.empty()) {
        return UsageError("check takes no options: it loads nothing");
    }
    if (options->operands.size() != 1) return UsageError(std::string(first) + " takes one FILE");
    const std::string& path = options->operands[0];
    const auto bytes = ReadAllBytes(path);
    if (!bytes) {
        std::cerr << "orvantis: cannot read " << path << '\n';
        return kUsageError;
    }
    const auto text = DecodeDocument(*bytes);
    if (!text) {
        std::cerr << "orvantis: " << path
                  << " is neither UTF-8 nor UTF-16 with a byte order mark\n";
        return kUsageError;
    }
    return Run(first, *text, *options);
}

}  // namespace
}  // namespace orvantis::cli

int main(int argc, char** argv) { return orvantis::cli::Main(argc, argv); }

// orvantis: loads or checks an item document with the same core as the control.

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "cli/ConsoleUserInterface.hpp"
#include "cli/DocumentFile.hpp"
#include "cli/RecordPrinter.hpp"
#include "cli/SandboxLoad.hpp"
#include "control/OrvantisAgent.hpp"
#include "control/Request.hpp"
#include "platform/NativeHost.hpp"
#include "standins/Sandbox.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::cli {
namespace {

constexpr int kFinished = 0;
constexpr int kNotFinished = 1;
constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "usage: orvantis check FILE   read FILE and print its item records as JSON lines\n"
    "       orvantis load FILE    load FILE into the target it names, as the control does\n"
    "       orvantis load --sandbox DIR FILE\n"
    "                             load FILE into the products' stand-ins, whose worlds are kept\n"
    "                             in DIR (outlook.json); without it no product answers (429)\n"
    "       orvantis sandbox show DIR   print what the stand-ins in DIR hold\n"
    "       orvantis settings     print the stored per-user settings (the password masked)\n"
    "       orvantis --help | --version\n"
    "FILE is UTF-8 (a BOM is allowed) or UTF-16 with a BOM; - reads standard input.\n"
    "A dialog is asked at the terminal; without one it is closed, saving nothing.\n"
    "Exit status: 0 the load ran to its end, 1 it did not, 2 usage or file error,\n"
    "3 a stand-in object was left alive (an internal error).\n";

void ReportError(const AutomationError& error) {
    std::cerr << "orvantis: error " << error.Number() << ": " << Utf8FromWide(error.Description())
              << '\n';
}

int Load(Host& host, const std::wstring& text) {
    OrvantisAgent agent(host);
    Variant document(text);
    agent.LoadXML(document);
    return agent.isOk() ? kFinished : kNotFinished;
}

int Run(std::string_view command, const std::wstring& text,
        const std::optional<std::filesystem::path>& sandbox) {
    const auto terminal = OpenTerminal();
    ConsoleUserInterface console(std::cerr, terminal.get());
    const auto native = CreateNativeHost(console);
    Host& host = native->Get();
    try {
        if (command == "load" && sandbox) {
            return LoadInSandbox(*sandbox, host, [&](Host& products) { return Load(products, text); });
        }
        if (command == "load") return Load(host, text);
        const auto request = ParseRequest(host, text);
        if (!request) return kNotFinished;
        RecordPrinter printer(std::cout, request->target);
        ReadItems(request->document, printer);
        return kFinished;
    } catch (const AutomationError& error) {
        std::cout.flush();
        ReportError(error);
        return kNotFinished;
    }
}

int PrintSettings() {
    ConsoleUserInterface console(std::cerr, nullptr);
    const auto native = CreateNativeHost(console);
    try {
        for (const auto& [key, shown] : ConfigUtilities::DescribeSettings(native->Get())) {
            std::cout << Utf8FromWide(key) << '=' << Utf8FromWide(shown) << '\n';
        }
        return kFinished;
    } catch (const AutomationError& error) {
        ReportError(error);
        return kNotFinished;
    }
}

int ShowSandbox(const std::filesystem::path& directory) {
    try {
        std::cout << standins::Sandbox(directory).Describe();
        return kFinished;
    } catch (const AutomationError& error) {
        ReportError(error);
        return kNotFinished;
    }
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
    if (argc == 2 && first == "settings") return PrintSettings();
    if (argc == 4 && first == "sandbox" && std::string_view(argv[2]) == "show") {
        return ShowSandbox(argv[3]);
    }
    std::optional<std::filesystem::path> sandbox;
    int file = 2;
    if (argc == 5 && first == "load" && std::string_view(argv[2]) == "--sandbox") {
        sandbox = argv[3];
        file = 4;
    }
    if (argc != file + 1 || (first != "check" && first != "load")) {
        std::cerr << kUsage;
        return kUsageError;
    }
    const std::string path = argv[file];
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
    return Run(first, *text, sandbox);
}

}  // namespace
}  // namespace orvantis::cli

int main(int argc, char** argv) { return orvantis::cli::Main(argc, argv); }

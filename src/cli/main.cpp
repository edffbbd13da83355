// orvantis: loads or checks an item document with the same core as the control.

#include <iostream>
#include <string>
#include <string_view>

#include "automation/AutomationError.hpp"
#include "automation/Text.hpp"
#include "automation/Unicode.hpp"
#include "cli/DocumentFile.hpp"
#include "cli/RecordPrinter.hpp"
#include "control/OrvantisAgent.hpp"
#include "control/Request.hpp"
#include "platform/NativeHost.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::cli {
namespace {

constexpr int kFinished = 0;
constexpr int kNotFinished = 1;
constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "usage: orvantis check FILE   read FILE and print its item records as JSON lines\n"
    "       orvantis load FILE    load FILE into the target it names, as the control does\n"
    "       orvantis settings     print the stored per-user settings (the password masked)\n"
    "       orvantis --help | --version\n"
    "FILE is UTF-8 (a BOM is allowed) or UTF-16 with a BOM; - reads standard input.\n"
    "Exit status: 0 the load ran to its end, 1 it did not, 2 usage or file error.\n";

// Message boxes go to standard error; each is answered at once with OK.
class ConsoleUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring& text, const std::wstring& title, int) override {
        std::wstring shown;
        for (wchar_t c : text) {
            if (c != L'\r') shown += c;  // CR LF pairs print as one line end
        }
        std::cerr << "[" << Utf8FromWide(title) << "] " << Utf8FromWide(shown) << '\n';
        return box::kOk;
    }
};

void ReportError(const AutomationError& error) {
    std::cerr << "orvantis: error " << error.Number() << ": " << Utf8FromWide(error.Description())
              << '\n';
}

// One line on standard error after a load that ran to its end: what was read, and where to.
void ReportLoaded(Host& host, const std::wstring& text) {
    const auto request = ParseRequest(host, text);
    if (!request) return;
    const auto count = [&](const wchar_t* kind) {
        return request->document.ElementsByTagName(kind).size();
    };
    std::cerr << "orvantis: loaded " << count(L"contact") << " contact(s), " << count(L"event")
              << " event(s), " << count(L"todo") << " task(s) into \""
              << Utf8FromWide(EscapeControlCharacters(request->target)) << "\"\n";
}

int Run(std::string_view command, const std::wstring& text) {
    ConsoleUserInterface console;
    const auto native = CreateNativeHost(console);
    Host& host = native->Get();
    try {
        if (command == "load") {
            OrvantisAgent agent(host);
            Variant document(text);
            agent.LoadXML(document);
            if (!agent.isOk()) return kNotFinished;
            ReportLoaded(host, text);
            return kFinished;
        }
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
    ConsoleUserInterface console;
    const auto native = CreateNativeHost(console);
    try {
        for (const auto& [key, shown] : ConfigUtilities::DescribeSettings(native->Get())) {
            // One line per setting whatever the value holds; "\" doubled so the escapes read back.
            const std::wstring value = EscapeControlCharacters(ReplaceAll(shown, L"\\", L"\\\\"));
            std::cout << Utf8FromWide(key) << '=' << Utf8FromWide(value) << '\n';
        }
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
    if (argc != 3 || (first != "check" && first != "load")) {
        std::cerr << kUsage;
        return kUsageError;
    }
    const std::string path = argv[2];
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
    return Run(first, *text);
}

}  // namespace
}  // namespace orvantis::cli

int main(int argc, char** argv) { return orvantis::cli::Main(argc, argv); }

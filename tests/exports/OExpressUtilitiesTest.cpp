#include <gtest/gtest.h>

#include <regex>

#include "exports/ContactSamples.hpp"
#include "exports/OExpressUtilities.hpp"
#include "exports/QuotedPrintable.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "platform/CodePage.hpp"
#include "platform/CommandLine.hpp"

namespace orvantis::OExpressUtilities {
namespace {

using test::ExpectedExport;

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wab.exe";

TEST(OExpressCard, MatchesTheExpectedFilesByteForByte) {
    EXPECT_EQ(ToAnsi(BuildOExpressCard(test::FullContact())), ExpectedExport("full.vcf"));
    EXPECT_EQ(ToAnsi(BuildOExpressCard(AgentContact())), ExpectedExport("empty.vcf"));
    EXPECT_EQ(ToAnsi(BuildOExpressCard(test::HostileContact())), ExpectedExport("hostile.vcf"));
}

// Undoes the quoted-printable form: soft breaks vanish, =XX becomes its byte.
std::string DecodeQuotedPrintable(std::wstring_view encoded) {
    std::string bytes;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != L'=') {
            bytes += static_cast<char>(encoded[i]);
            continue;
        }
        const std::wstring code(encoded.substr(i + 1, 2));
        if (code != L"\r\n") bytes += static_cast<char>(std::stoi(code, nullptr, 16));
        i += 2;
    }
    return bytes;
}

// The line length and the characters allowed are the fuzzer's invariants; here, that the
// folding loses nothing.
TEST(QuotedPrintable, FoldsWithinTheLineLengthAndDecodesBackToTheValue) {
    for (std::size_t length : {0, 1, 43, 44, 45, 46, 120, 400}) {
        for (const std::wstring fill : {L"ab cd", L"  ", L"\u00e9=", L"x\ny", L"\t \r\n"}) {
            std::wstring value;
            while (value.size() < length) value += fill;
            value.resize(length);
            const std::wstring line = QuotedPrintableLine(L"NOTE;ENCODING=QUOTED-PRINTABLE",
                                                           ToAnsi(value));
            ASSERT_TRUE(line.starts_with(L"NOTE;ENCODING=QUOTED-PRINTABLE:"));
            // Line breaks of any kind come back as CR LF.
            EXPECT_EQ(DecodeQuotedPrintable(std::wstring_view(line).substr(31)),
                      std::regex_replace(ToAnsi(value), std::regex("\r\n|\r|\n"), "\r\n"));
            for (std::size_t start = 0, end = 0; end != std::wstring::npos; start = end + 2) {
                end = line.find(L"\r\n", start);
                const std::wstring physical = line.substr(start, end - start);
                // Blanks at either end of a physical line would be lost in transport.
                EXPECT_EQ(std::wstring_view(L" \t").find(physical.back()), std::wstring::npos);
                EXPECT_TRUE(start == 0 || physical.front() != L' ');
                EXPECT_TRUE(end == std::wstring::npos || physical.back() == L'=');  // soft break
            }
        }
    }
}

class WriteOExpress : public ::testing::Test {
protected:
    WriteOExpress() {
        test.shell.folders[folder::kInternetCache] = L"C:\\Temporary Internet Files\\";
    }
    test::TestHost test;
    Host& host = test.Get();
    const std::wstring cardPath = L"C:\\Temporary Internet Files\\orvantis.gif";
};

// A program that does not start is reported and the card stays: the command line's golden.
TEST_F(WriteOExpress, WritesTheCardThenOpensItInTheAddressBook) {
    test.shell.onRun = [&](const std::wstring&) {
        EXPECT_EQ(test.files.files.at(cardPath), ExpectedExport("full.vcf"));  // already complete
    };
    EXPECT_TRUE(WriteOExpressContact(host, test::FullContact()).IsEmpty());
    ASSERT_EQ(test.shell.runs.size(), 1u);
    EXPECT_EQ(test.shell.runs[0].second, 1);
    EXPECT_EQ(SplitCommandLine(test.shell.runs[0].first),
              (std::vector<std::wstring>{L"c:\\Program Files\\Outlook Express\\wab.exe", L"/vcard",
                                         cardPath}));
    EXPECT_TRUE(test.ui.boxes.empty());
}

TEST_F(WriteOExpress, TakesTheProgramFromAppPathsAndQuotesBothPaths) {
    test.shell.environment[L"ProgramFiles"] = L"D:\\Programs";
    for (const auto* stored : {L"%ProgramFiles%\\Outlook Express\\wab.exe",
                               L"  \"%ProgramFiles%\\Outlook Express\\wab.exe\" "}) {
        test.registry.values[{RegistryRoot::LocalMachine, kAppPaths, L""}] = stored;
        EXPECT_EQ(AddressBookCommandLine(host, cardPath),
                  L"\"D:\\Programs\\Outlook Express\\wab.exe\" /vcard \"" + cardPath + L"\"");
    }
    test.registry.values[{RegistryRoot::LocalMachine, kAppPaths, L""}] = L"%Unknown%\\wab.exe";
    EXPECT_EQ(SplitCommandLine(AddressBookCommandLine(host, cardPath))[0], L"%Unknown%\\wab.exe");
    for (const auto* path : {L"C:\\x \"y\"\\orvantis.gif", L"C:\\odd\\\\", L"C:\\q\\\"z"}) {
        EXPECT_EQ(SplitCommandLine(AddressBookCommandLine(host, path)).at(2), path);
    }
}

TEST_F(WriteOExpress, NoFolderOrAFileThatCannotBeWrittenStartsNoProgram) {
    test.shell.folders.clear();  // not "orvantis.gif" in whatever folder the host runs in
    EXPECT_EQ(test::ErrorNumberOf([&] { WriteOExpressContact(host, test::FullContact()); }),
              errors::kPathNotFound);
    EXPECT_TRUE(test.files.files.empty());

    test.shell.folders[folder::kInternetCache] = L"C:\\Temporary Internet Files\\";
    struct FailingFiles : test::FakeFiles {
        void WriteBytes(const std::wstring& path, std::string_view) override {
            throw AutomationError::Standard(errors::kPermissionDenied, path);
        }
    } files;
    Host failing{host.xml, host.objects, host.ui, host.registry, host.shell, files, host.settings};
    EXPECT_THROW(WriteOExpressContact(failing, test::FullContact()), AutomationError);
    EXPECT_TRUE(test.shell.runs.empty());
}

}  // namespace
}  // namespace orvantis::OExpressUtilities

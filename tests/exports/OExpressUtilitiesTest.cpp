#include <gtest/gtest.h>

#include "exports/ContactSamples.hpp"
#include "exports/OExpressUtilities.hpp"
#include "exports/QuotedPrintable.hpp"
#include "fakes/TestHost.hpp"
#include "platform/CodePage.hpp"
#include "platform/CommandLine.hpp"

namespace orvantis::OExpressUtilities {
namespace {

using testing::ExpectedExport;

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wab.exe";

TEST(OExpressCard, MatchesTheExpectedFilesByteForByte) {
    EXPECT_EQ(ToAnsi(BuildOExpressCard(testing::FullContact())), ExpectedExport("full.vcf"));
    EXPECT_EQ(ToAnsi(BuildOExpressCard(AgentContact())), ExpectedExport("empty.vcf"));
    EXPECT_EQ(ToAnsi(BuildOExpressCard(testing::HostileContact())), ExpectedExport("hostile.vcf"));
}

// Undoes the quoted-printable form: soft breaks vanish, =XX becomes its byte.
std::string DecodeQuotedPrintable(std::wstring_view encoded) {
    std::string bytes;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != L'=') {
            bytes += static_cast<char>(encoded[i]);
        } else if (encoded.substr(i + 1, 2) == L"\r\n") {
            i += 2;
        } else {
            bytes +=
                static_cast<char>(std::stoi(std::wstring(encoded.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        }
    }
    return bytes;
}

TEST(QuotedPrintable, FoldsWithinTheLineLengthAndDecodesBackToTheValue) {
    for (std::size_t length : {0, 1, 43, 44, 45, 46, 120, 400}) {
        for (const std::wstring fill : {L"ab cd", L"  ", L"\u00e9=", L"x\ny", L"\t \r\n"}) {
            std::wstring value;
            while (value.size() < length) value += fill;
            value.resize(length);
            const std::wstring line = QuotedPrintableLine(L"NOTE;ENCODING=QUOTED-PRINTABLE", value);
            ASSERT_EQ(line.substr(0, 31), L"NOTE;ENCODING=QUOTED-PRINTABLE:");
            std::string expected = ToAnsi(value);
            // Line breaks of any kind come back as CR LF.
            std::string canonical;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                if (expected[i] == '\r' && i + 1 < expected.size() && expected[i + 1] == '\n') ++i;
                canonical += expected[i] == '\r' || expected[i] == '\n'
                                 ? "\r\n"
                                 : std::string(1, expected[i]);
            }
            EXPECT_EQ(DecodeQuotedPrintable(std::wstring_view(line).substr(31)), canonical);
            std::size_t start = 0;
            for (;;) {
                const auto end = line.find(L"\r\n", start);
                const std::wstring physical = line.substr(start, end - start);
                EXPECT_LE(physical.size(), 76u) << length;
                EXPECT_NE(physical.back(), L' ');
                EXPECT_NE(physical.back(), L'\t');
                if (start > 0) {
                    EXPECT_NE(physical.front(), L' ');
                }
                for (const wchar_t c : physical)
                    EXPECT_TRUE((c >= 32 && c < 127) || c == L'\t') << int(c);
                if (end == std::wstring::npos) break;
                EXPECT_EQ(physical.back(), L'=');  // only soft breaks end a line inside it
                start = end + 2;
            }
        }
    }
}

class WriteOExpress : public ::testing::Test {
protected:
    WriteOExpress() {
        test.shell.folders[folder::kInternetCache] = L"C:\\Temporary Internet Files\\";
    }
    testing::TestHost test;
    Host& host = test.Get();
    const std::wstring cardPath = L"C:\\Temporary Internet Files\\orvantis.gif";
};

TEST_F(WriteOExpress, WritesTheCardThenOpensItInTheAddressBookAndWaits) {
    test.shell.onRun = [&](const std::wstring&) {
        // The card is complete before the program starts.
        EXPECT_EQ(test.files.files.at(cardPath), ExpectedExport("full.vcf"));
    };
    EXPECT_TRUE(WriteOExpressContact(host, testing::FullContact()).IsEmpty());
    ASSERT_EQ(test.shell.runs.size(), 1u);
    EXPECT_EQ(test.shell.runs[0].second, 1);
    EXPECT_EQ(SplitCommandLine(test.shell.runs[0].first),
              (std::vector<std::wstring>{L"c:\\Program Files\\Outlook Express\\wab.exe", L"/vcard",
                                         cardPath}));
    EXPECT_TRUE(test.ui.boxes.empty());
}

TEST_F(WriteOExpress, TakesTheProgramFromAppPathsExpandedAndQuoted) {
    test.shell.environment[L"ProgramFiles"] = L"D:\\Programs";
    for (const auto* stored : {L"%ProgramFiles%\\Outlook Express\\wab.exe",
                               L"\"%ProgramFiles%\\Outlook Express\\wab.exe\"",
                               L"  \"%ProgramFiles%\\Outlook Express\\wab.exe\" "}) {
        test.registry.values[{RegistryRoot::LocalMachine, kAppPaths, L""}] = stored;
        EXPECT_EQ(AddressBookCommandLine(host, cardPath),
                  L"\"D:\\Programs\\Outlook Express\\wab.exe\" /vcard "
                  L"\"C:\\Temporary Internet Files\\orvantis.gif\"");
    }
    test.registry.values[{RegistryRoot::LocalMachine, kAppPaths, L""}] = L"%Unknown%\\wab.exe";
    EXPECT_EQ(SplitCommandLine(AddressBookCommandLine(host, cardPath))[0], L"%Unknown%\\wab.exe");
}

TEST_F(WriteOExpress, APathWithQuotesOrTrailingBackslashesSurvivesTheCommandLine) {
    for (const auto* path : {L"/home/a b/.cache/orvantis.gif", L"C:\\x \"y\"\\orvantis.gif",
                             L"C:\\odd\\\\", L"C:\\q\\\"z"}) {
        EXPECT_EQ(SplitCommandLine(AddressBookCommandLine(host, path)).at(2), path);
    }
}

TEST_F(WriteOExpress, AProgramThatDoesNotStartIsReportedAndTheCardStays) {
    test.shell.failWith = errors::kFileNotFound;
    WriteOExpressContact(host, testing::FullContact());
    ASSERT_EQ(test.ui.boxes.size(), 1u);
    EXPECT_EQ(test.ui.boxes[0].text.rfind(L"Last Error Number was: 53\r\n", 0), 0u);
    EXPECT_TRUE(test.files.files.count(cardPath));
}

TEST_F(WriteOExpress, AFileThatCannotBeWrittenStartsNoProgram) {
    struct FailingFiles : testing::FakeFiles {
        void WriteBytes(const std::wstring& path, std::string_view) override {
            throw AutomationError::Standard(errors::kPermissionDenied, path);
        }
    } files;
    Host failing{host.xml, host.objects, host.ui, host.registry, host.shell, files, host.settings};
    EXPECT_THROW(WriteOExpressContact(failing, testing::FullContact()), AutomationError);
    EXPECT_TRUE(test.shell.runs.empty());
}

}  // namespace
}  // namespace orvantis::OExpressUtilities

#include <gtest/gtest.h>

#include "exports/ContactSamples.hpp"
#include "exports/OExpressUtilities.hpp"
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

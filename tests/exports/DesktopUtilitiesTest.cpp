#include <gtest/gtest.h>

#include "exports/ContactSamples.hpp"
#include "exports/DesktopFileName.hpp"
#include "exports/DesktopUtilities.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "platform/CodePage.hpp"

namespace orvantis::DesktopUtilities {
namespace {

using testing::ExpectedExport;

// The files end with the closing "\par }}" written once more after the document.
std::string WithoutSecondClosing(std::string file) {
    return file.substr(0, file.size() - 7);
}

TEST(ContactRtf, MatchesTheExpectedDocumentsByteForByte) {
    EXPECT_EQ(ToAnsi(BuildContactRtf(testing::FullContact())),
              WithoutSecondClosing(ExpectedExport("full.rtf")));
    EXPECT_EQ(ToAnsi(BuildContactRtf(AgentContact())),
              WithoutSecondClosing(ExpectedExport("empty.rtf")));
    EXPECT_EQ(ToAnsi(BuildContactRtf(testing::HostileContact())),
              WithoutSecondClosing(ExpectedExport("hostile.rtf")));
}

// Braces outside escapes must balance, or the values have become markup.
TEST(ContactRtf, ValuesNeverBecomeMarkup) {
    const std::wstring rtf = BuildContactRtf(testing::HostileContact());
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == L'\\') {
            ++i;  // an escaped character or the first letter of a control word
        } else if (rtf[i] == L'{') {
            ++depth;
        } else if (rtf[i] == L'}') {
            ASSERT_GT(depth, 0) << "closes the document early at " << i;
            --depth;
        }
    }
    EXPECT_EQ(depth, 0);
    for (const wchar_t c : rtf) EXPECT_LT(static_cast<char32_t>(c), 0x80u);
}

TEST(ContactRtf, EachNotesLineIsAParagraphAndLeadingDigitsAreKept) {
    AgentContact contact;
    contact.Notes = L"one\ntwo\r\n2 pm\n  indented";
    const std::wstring rtf = BuildContactRtf(contact);
    EXPECT_NE(rtf.find(L"\\cf10 one\\par }{\\fs16two\r\\par }{\\fs16 2 pm\\par }{\\fs16   indented"
                       L"\\par }}"),
              std::wstring::npos);
}

TEST(DesktopFileName, KeepsEveryNoteInsideTheFolder) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Durand & Fils", L"Durand & Fils.rtf"},
        {L"", L".rtf"},
        {L"..", L"...rtf"},
        {L"../../etc/passwd", L".._.._etc_passwd.rtf"},
        {L"..\\..\\Windows\\win.ini", L".._.._Windows_win.ini.rtf"},
        {L"C:\\x", L"C__x.rtf"},
        {L"a*b?c\"d<e>f|g", L"a_b_c_d_e_f_g.rtf"},
        {L"tab\there\nline\x01", L"tab_here_line_.rtf"},
        {L"CON", L"_CON.rtf"},
        {L"nul", L"_nul.rtf"},
        {L"Com1", L"_Com1.rtf"},
        {L"LPT9.txt", L"_LPT9.txt.rtf"},
        {L"AUX .x", L"_AUX .x.rtf"},
        {L"CONSOLE", L"CONSOLE.rtf"},
        {L"COM10", L"COM10.rtf"},
        {L"Soci\u00e9t\u00e9 \u4e2d", L"Soci\u00e9t\u00e9 \u4e2d.rtf"},
    };
    for (const auto& [company, file] : cases) EXPECT_EQ(DesktopFileName(company), file) << file;
}

class WriteDesktop : public ::testing::Test {
protected:
    WriteDesktop() {
        test.shell.folders[folder::kDesktopDirectory] = L"C:\\Users\\Claire\\Desktop\\";
    }
    testing::TestHost test;
    Host& host = test.Get();
};

TEST_F(WriteDesktop, WritesTheNoteInTheUsersDesktopFolder) {
    WriteDesktopContact(host, testing::FullContact());
    ASSERT_EQ(test.files.files.size(), 1u);
    EXPECT_EQ(test.files.files.at(L"C:\\Users\\Claire\\Desktop\\Durand & Fils.rtf"),
              ExpectedExport("full.rtf"));
    EXPECT_TRUE(test.shell.runs.empty());

    WriteDesktopContact(host, testing::HostileContact());
    EXPECT_EQ(test.files.files.at(L"C:\\Users\\Claire\\Desktop\\.._.._Windows_System32_evil______"
                                  L"_CON.rtf"),
              ExpectedExport("hostile.rtf"));
}

TEST_F(WriteDesktop, ASecondContactOfTheSameCompanyReplacesTheFirst) {
    AgentContact first = testing::FullContact();
    AgentContact second = testing::FullContact();
    second.Notes = L"second";
    WriteDesktopContact(host, first);
    WriteDesktopContact(host, second);
    ASSERT_EQ(test.files.files.size(), 1u);
    EXPECT_NE(test.files.files.begin()->second.find("\\cf10 second"), std::string::npos);
}

TEST_F(WriteDesktop, NoDesktopFolderIsAnErrorNotAFileElsewhere) {
    test.shell.folders.clear();
    EXPECT_EQ(testing::ErrorNumberOf([&] { WriteDesktopContact(host, testing::FullContact()); }),
              errors::kPathNotFound);
    EXPECT_TRUE(test.files.files.empty());
}

}  // namespace
}  // namespace orvantis::DesktopUtilities

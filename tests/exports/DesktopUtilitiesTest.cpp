#include <gtest/gtest.h>

#include "exports/ContactSamples.hpp"
#include "support/SafeFileName.hpp"
#include "exports/DesktopUtilities.hpp"
#include "platform/CodePage.hpp"

namespace orvantis::DesktopUtilities {
namespace {

using test::ExpectedExport;

// The files hold what the control writes: the document, then its closing "\par }}" once more.
TEST(ContactRtf, MatchesTheExpectedDocumentsByteForByte) {
    for (const auto& [contact, file] :
         {std::pair{test::FullContact(), "full.rtf"}, std::pair{AgentContact(), "empty.rtf"},
          std::pair{test::HostileContact(), "hostile.rtf"}}) {
        EXPECT_EQ(ContactNoteFile(contact), ExpectedExport(file)) << file;
    }
}

// The separators and the other characters Windows refuses are in the hostile contact's name.
TEST(DesktopFileName, KeepsEveryNoteInsideTheFolder) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L".rtf"},
        {L"tab\there\nline\x01", L"tab_here_line_.rtf"},
        {L"nul", L"_nul.rtf"},
        {L"LPT9.txt", L"_LPT9.txt.rtf"},
        {L"CONSOLE", L"CONSOLE.rtf"},
        {L"Soci\u00e9t\u00e9 \u4e2d", L"Soci\u00e9t\u00e9 \u4e2d.rtf"}};
    for (const auto& [company, file] : cases) {
        EXPECT_EQ(SafeFileName(company, L".rtf", L"C:\\Users\\C\\Desktop\\"), file) << file;
    }
}

// A long company name stopped the load (76 on Linux, 53 on Windows): the name is cut so
// that the path fits in 259 UTF-16 units and the name in 255 units and 255 UTF-8 bytes.
TEST(DesktopFileName, CutsALongNameAlikeOnEveryPlatformKeepingTheExtension) {
    const std::wstring folder(200, L'f');
    const std::tuple<std::wstring, std::wstring, std::wstring> cases[] = {
        {std::wstring(300, L'a'), folder, std::wstring(55, L'a') + L".rtf"},
        {std::wstring(300, L'\u00e9'), L"/h/", std::wstring(125, L'\u00e9') + L".rtf"},  // bytes
        {L"ab\U0001F600", std::wstring(253, L'f'), L"ab.rtf"},  // the pair is not split
        {L"ab\U0001F600", std::wstring(251, L'f'), L"ab\U0001F600.rtf"},
        {L"CON." + std::wstring(300, L'a'), folder, L"_CON." + std::wstring(50, L'a') + L".rtf"},
        {L"x", std::wstring(300, L'f'), L".rtf"},
    };
    for (const auto& [company, where, file] : cases) {
        EXPECT_EQ(SafeFileName(company, L".rtf", where), file) << where.size();
    }
}

}  // namespace
}  // namespace orvantis::DesktopUtilities

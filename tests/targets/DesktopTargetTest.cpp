#include "targets/DesktopTarget.hpp"

#include <gtest/gtest.h>

#include <set>

#include "fakes/AgentTest.hpp"

namespace orvantis {
namespace {

constexpr wchar_t kDesktop[] = L"C:\\Users\\C\\Desktop\\";

class DesktopTargetTest : public test::AgentTest {
protected:
    DesktopTargetTest() { host.shell.folders[folder::kDesktopDirectory] = kDesktop; }
    std::int32_t Load(const std::wstring& contacts) { return AgentTest::Load(L"<datas open='desktop'>" + contacts + L"</datas>"); }
    std::set<std::wstring> Names() const {
        std::set<std::wstring> names;
        for (const auto& [path, bytes] : host.files.files) names.insert(path.substr(std::wstring_view(kDesktop).size()));
        return names;
    }
};

// Without a desktop folder the load fails, writing nothing elsewhere: the command line's golden.
// The second contact of a company replaced the first one's note, and contacts without a
// company shared one hidden ".rtf".
TEST_F(DesktopTargetTest, EachContactKeepsANoteOfItsOwnAndALoadAgainReplacesOnlyItsOwn) {
    const std::wstring contacts =
        L"<contact><company>Twin GmbH</company><firstname>Anna</firstname></contact>"
        L"<contact><company>twin gmbh</company><firstname>Carl</firstname>"
        L"<lastname>Dorn</lastname></contact>"
        L"<contact><company>Twin GmbH</company><firstname>Carl</firstname>"
        L"<lastname>Dorn</lastname></contact>"
        L"<contact><company>A:B</company></contact><contact><company>A?B</company></contact>"
        L"<contact><lastname>Solo</lastname></contact><contact/><contact><company> </company>"
        L"</contact><event><subject>dropped</subject><start>20261214</start></event>";
    const std::set<std::wstring> expected = {
        L"Twin GmbH.rtf", L"twin gmbh - Carl Dorn.rtf", L"Twin GmbH - Carl Dorn (2).rtf",
        L"A_B.rtf",       L"A_B (2).rtf",              L"Solo.rtf",
        L"Contact.rtf",   L"Contact (2).rtf"};
    for (int load = 0; load < 2; ++load) {
        ASSERT_EQ(Load(contacts), 0);
        EXPECT_EQ(Names(), expected);
        const auto& loaded = agent.LastLoad();
        EXPECT_EQ(loaded.contacts, 8u);
        EXPECT_EQ(loaded.events, 0u);
        EXPECT_EQ(loaded.written, L"wrote 8 file(s)");
    }
    EXPECT_TRUE(host.shell.runs.empty());
}

TEST_F(DesktopTargetTest, ALongNameIsCutToThePathLimitKeepingItsNumber) {
    ASSERT_EQ(Load(L"<contact><company>" + std::wstring(300, L'a') + L"</company></contact>"
                   L"<contact><company>" + std::wstring(300, L'a') + L"</company></contact>"),
              0);
    EXPECT_EQ(Names(), (std::set<std::wstring>{std::wstring(236, L'a') + L".rtf",
                                               std::wstring(232, L'a') + L" (2).rtf"}));
}

}  // namespace
}  // namespace orvantis

#include "targets/IcsTarget.hpp"

#include <gtest/gtest.h>

#include "fakes/AgentTest.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

constexpr wchar_t kDocument[] =
    L"<datas open='ics'><contact><id>C-1</id><lastname>Martin</lastname></contact>"
    L"<event><subject>Review</subject><start>20261214T100000</start></event></datas>";

class IcsTargetTest : public test::AgentTest {
protected:
    std::vector<std::wstring> Paths() const {
        std::vector<std::wstring> paths;
        for (const auto& [path, bytes] : host.files.files) paths.push_back(path);
        return paths;
    }
};

TEST_F(IcsTargetTest, WritesOneFilePerStandardIntoTheDocumentsFolderAndOpensEach) {
    host.shell.folders[folder::kPersonal] = L"/home/u/Documents/";
    EXPECT_EQ(Load(kDocument), 0);
    EXPECT_TRUE(agent.isOk());
    const auto paths = Paths();
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].rfind(L"/home/u/Documents/Orvantis ", 0), 0u);
    EXPECT_TRUE(paths[0].ends_with(L".ics") && paths[1].ends_with(L".vcf"));
    EXPECT_EQ(host.shell.opened, paths);
    EXPECT_TRUE(host.ui.boxes.empty());

    // Another document gets files of its own; the same one again replaces its own (check_ics.py).
    EXPECT_EQ(Load(L"<datas open='ics'><contact><lastname>Other</lastname></contact></datas>"), 0);
    EXPECT_EQ(Paths().size(), 3u);
}

TEST_F(IcsTargetTest, TheSettingNamesTheFolderAndUnopenedFilesAreNamedInABox) {
    host.settings.values[{L"OrvantisAgent", L"Configuration", L"IcsFolder"}] = L"C:\\Cal";
    host.shell.opensFiles = false;
    EXPECT_EQ(Load(kDocument), 0);
    const auto paths = Paths();
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].rfind(L"C:\\Cal\\Orvantis ", 0), 0u);
    ASSERT_EQ(host.ui.boxes.size(), 1u);
    EXPECT_EQ(host.ui.boxes[0].text,
              L"No program is set to open these files:\r\n" + paths[0] + L"\r\n" + paths[1]);
}

TEST_F(IcsTargetTest, WritesNothingOfADocumentThatFailsOrOfAFolderThatCannotBeWritten) {
    host.shell.folders[folder::kPersonal] = L"/docs/";
    EXPECT_EQ(Load(L"<datas open='ics'><event><subject>a</subject><start>20261214</start></event>"
                   L"<event><start>2026-13-45</start></event></datas>"),
              errors::kTypeMismatch);
    EXPECT_FALSE(agent.isOk());

    host.files.refuseReplace = errors::kPermissionDenied;
    EXPECT_EQ(Load(kDocument), errors::kPermissionDenied);
    EXPECT_TRUE(host.files.files.empty());
    EXPECT_TRUE(host.shell.opened.empty());

    // Without a documents folder nothing may land in whatever folder the host runs in.
    host.shell.folders.clear();
    EXPECT_EQ(Load(kDocument), errors::kPathNotFound);
}

}  // namespace
}  // namespace orvantis

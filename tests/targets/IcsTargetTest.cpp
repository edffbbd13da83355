#include "targets/IcsTarget.hpp"

#include <gtest/gtest.h>

#include "control/OrvantisAgent.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

constexpr wchar_t kDocument[] =
    L"<datas open='ics'><contact><id>C-1</id><lastname>Martin</lastname></contact>"
    L"<event><subject>Review</subject><start>20261214T100000</start></event></datas>";

class IcsTargetTest : public ::testing::Test {
protected:
    std::int32_t Load(const std::wstring& text) {
        Variant var(text);
        return ErrorNumberOf([&] { agent_.LoadXML(var); });
    }
    std::vector<std::wstring> Paths() const {
        std::vector<std::wstring> paths;
        for (const auto& [path, bytes] : host_.files.files) paths.push_back(path);
        return paths;
    }

    test::TestHost host_;
    OrvantisAgent agent_{host_.Get()};
};

TEST_F(IcsTargetTest, WritesOneFilePerStandardIntoTheDocumentsFolderAndOpensEach) {
    host_.shell.folders[folder::kPersonal] = L"/home/u/Documents/";
    EXPECT_EQ(Load(kDocument), 0);
    EXPECT_TRUE(agent_.isOk());
    const auto paths = Paths();
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].rfind(L"/home/u/Documents/Orvantis ", 0), 0u);
    EXPECT_TRUE(paths[0].ends_with(L".ics") && paths[1].ends_with(L".vcf"));
    EXPECT_EQ(host_.shell.opened, paths);
    EXPECT_TRUE(host_.ui.boxes.empty());

    // The same document again replaces its own files; another one gets files of its own.
    EXPECT_EQ(Load(kDocument), 0);
    EXPECT_EQ(Paths(), paths);
    EXPECT_EQ(Load(L"<datas open='ics'><contact><lastname>Other</lastname></contact></datas>"), 0);
    EXPECT_EQ(Paths().size(), 3u);
}

TEST_F(IcsTargetTest, TheSettingNamesTheFolderAndUnopenedFilesAreNamedInABox) {
    host_.settings.values[{L"OrvantisAgent", L"Configuration", L"IcsFolder"}] = L"C:\\Cal";
    host_.shell.opensFiles = false;
    EXPECT_EQ(Load(kDocument), 0);
    const auto paths = Paths();
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].rfind(L"C:\\Cal\\Orvantis ", 0), 0u);
    ASSERT_EQ(host_.ui.boxes.size(), 1u);
    EXPECT_EQ(host_.ui.boxes[0].text,
              L"No program is set to open these files:\r\n" + paths[0] + L"\r\n" + paths[1]);
}

TEST_F(IcsTargetTest, WritesNothingOfADocumentThatFailsOrOfAFolderThatCannotBeWritten) {
    host_.shell.folders[folder::kPersonal] = L"/docs/";
    EXPECT_EQ(Load(L"<datas open='ics'><event><subject>a</subject><start>20261214</start></event>"
                   L"<event><start>2026-13-45</start></event></datas>"),
              errors::kTypeMismatch);
    EXPECT_FALSE(agent_.isOk());

    host_.files.refuseReplace = errors::kPermissionDenied;
    EXPECT_EQ(Load(kDocument), errors::kPermissionDenied);
    EXPECT_TRUE(host_.files.files.empty());
    EXPECT_TRUE(host_.shell.opened.empty());

    // Without a documents folder nothing may land in whatever folder the host runs in.
    host_.shell.folders.clear();
    EXPECT_EQ(Load(kDocument), errors::kPathNotFound);
}

}  // namespace
}  // namespace orvantis

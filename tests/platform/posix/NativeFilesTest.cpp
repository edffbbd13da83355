#include "platform/posix/NativeFiles.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "automation/Unicode.hpp"
#include "fakes/Errors.hpp"
#include "fakes/FileBytes.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

class NativeFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvantis-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::wstring PathOf(const std::string& name) const {
        return *WideFromUtf8((folder_ / name).string());
    }
    static std::string Content(const std::wstring& path) { return test::FileBytes(Utf8FromWide(path)); }

    std::filesystem::path folder_;
    NativeFiles files_;
};

TEST_F(NativeFilesTest, WritesReplacesAndDeletesFiles) {
    const std::wstring path = PathOf("note.rtf");
    files_.WriteAnsiText(path, L"an older, longer content");
    files_.WriteAnsiText(path, L"caf\u00E9 \u20AC \u4E2D\r\n");
    EXPECT_EQ(Content(path), "caf\xE9 \x80 ?\r\n");  // Windows-1252; a missing character is "?"
    const std::string bytes("GIF89a\0\xFF\r\n", 10);
    files_.WriteBytes(path, bytes);
    EXPECT_EQ(Content(path), bytes);
    files_.Delete(path);
    EXPECT_FALSE(std::filesystem::exists(Utf8FromWide(path)));
    EXPECT_EQ(ErrorNumberOf([&] { files_.Delete(path); }), errors::kFileNotFound);
    EXPECT_EQ(ErrorNumberOf([&] { files_.WriteAnsiText(PathOf("absent/note.rtf"), L"x"); }),
              errors::kPathNotFound);
}

TEST_F(NativeFilesTest, TemporaryFilesAreNewEmptyDistinctAndKeepTheirExtension) {
    const std::wstring first = files_.CreateUniqueTemporaryFile(L".gif");
    const std::wstring second = files_.CreateUniqueTemporaryFile(L".gif");
    EXPECT_NE(first, second);
    for (const auto& path : {first, second}) {
        EXPECT_TRUE(path.ends_with(L".gif"));
        EXPECT_EQ(std::filesystem::file_size(Utf8FromWide(path)), 0u);
        files_.Delete(path);
    }
}

}  // namespace
}  // namespace orvantis

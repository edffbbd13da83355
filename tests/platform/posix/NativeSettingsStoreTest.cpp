#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "TemporaryHome.hpp"
#include "fakes/Errors.hpp"
#include "platform/posix/NativeSettingsStore.hpp"

namespace orvantis {
namespace {

namespace fs = std::filesystem;
using test::ErrorNumberOf;

constexpr wchar_t kApp[] = L"OrvantisAgent";
constexpr wchar_t kSection[] = L"Configuration";

class PosixSettings : public test::TemporaryHome {
protected:
    fs::path File() const { return root / "config" / "OrvantisAgent" / "Configuration.ini"; }
    std::string FileText() const { return test::FileBytes(File()); }
    void PutFile(const std::string& text) const {
        fs::create_directories(File().parent_path());
        std::ofstream(File(), std::ios::binary) << text;
    }
    std::int32_t ReadError(const std::wstring& key = L"GoldmineUser") {
        return ErrorNumberOf([&] { store.Read(kApp, kSection, key); });
    }

    NativeSettingsStore store;
};

TEST_F(PosixSettings, AwkwardValuesRoundTripBesideTheUsersOwnLines) {
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), std::nullopt);  // no file
    PutFile("# kept\n[Other]\nGoldmineUser=x\n");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), std::nullopt);  // no section
    // What a key file would read otherwise unless the value is escaped (GLib's own escaping
    // is not retested here).
    const std::wstring values[] = {L"", L"first\nsecond\r\nthird\r", L"  blanks at both ends  ",
                                   L"back\\slash \\n", L"caf\u00e9 \u20ac \u4e2d\u6587 \U0001F600"};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        store.Write(kApp, kSection, L"Key" + std::to_wstring(i), values[i]);
    }
    NativeSettingsStore fresh;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(fresh.Read(kApp, kSection, L"Key" + std::to_wstring(i)), values[i]);
    }
    EXPECT_EQ(store.Read(kApp, L"Other", L"GoldmineUser"), std::nullopt);  // another file
    EXPECT_NE(FileText().find("# kept\n"), std::string::npos);
    EXPECT_NE(FileText().find("[Other]\nGoldmineUser=x\n"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(stat(File().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);  // the password is in there
}

TEST_F(PosixSettings, ARelativeConfigHomeIsIgnoredAndNothingLandsInTheCurrentFolder) {
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    store.Write(kApp, kSection, L"GoldmineUser", L"x");
    EXPECT_TRUE(fs::exists(root / "home" / ".config" / "OrvantisAgent" / "Configuration.ini"));

    const auto saved = fs::current_path();
    fs::current_path(root);
    PutFile("[Configuration]\nGoldmineUser=relative\n");  // would be read as ./.config
    unsetenv("HOME");
    setenv("XDG_CONFIG_HOME", ".", 1);
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), std::nullopt);
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(kApp, kSection, L"GoldmineUser", L"y"); }), 76);
    fs::current_path(saved);
    EXPECT_FALSE(fs::exists(root / "OrvantisAgent"));
}

// A byte order mark is the command line's test.
TEST_F(PosixSettings, ADamagedFileRaisesAndIsLeftAsItWas) {
    fs::create_directories(File());
    EXPECT_EQ(ReadError(), 75);  // an I/O error, not a damaged file
    fs::remove(File());

    for (const std::string damaged : {"[Configuration]\nno pair here\n", "[Configuration\nx=1\n"}) {
        PutFile(damaged);
        EXPECT_EQ(ReadError(), 321) << damaged;
        EXPECT_EQ(ErrorNumberOf([&] { store.Write(kApp, kSection, L"GoldmineUser", L"y"); }), 321);
        EXPECT_EQ(FileText(), damaged);
    }
    // A value that is not UTF-8 raises until it is replaced; the others are kept as they are.
    PutFile("[Configuration]\nGoldmineUser=\xe9t\xe9\nOther=\xe9\n");
    EXPECT_EQ(ReadError(), 321);
    store.Write(kApp, kSection, L"GoldmineUser", L"\u00e9t\u00e9");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), L"\u00e9t\u00e9");
    EXPECT_NE(FileText().find("Other=\xe9\n"), std::string::npos);
}

TEST_F(PosixSettings, NamesThatWouldLeaveTheFolderOrNotReadBackAreRefused) {
    const std::pair<const wchar_t*, const wchar_t*> names[] = {
        {L"..", kSection}, {L"a/b", kSection}, {kApp, L"x]"}};
    for (const auto& [app, section] : names) {
        EXPECT_EQ(ErrorNumberOf([&] { store.Write(app, section, L"k", L"v"); }), 5) << app;
    }
    EXPECT_EQ(ReadError(L"a=b"), 5);
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(kApp, kSection, L"k", std::wstring(L"a\0b", 3)); }),
              5);
    EXPECT_FALSE(fs::exists(root / "config"));
}

// A write that fails halfway (here: the file size limit, as a full disk would) leaves the old
// settings whole and no stray temporary file.
TEST_F(PosixSettings, AFailedWriteLeavesTheOldFileWhole) {
    store.Write(kApp, kSection, L"GoldmineUser", L"jdupont");
    const std::string before = FileText();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto number =
        ErrorNumberOf([&] { store.Write(kApp, kSection, L"Notes", std::wstring(100000, L'x')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_NE(number, 0);
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(File().parent_path()), {}), 1);
}

}  // namespace
}  // namespace orvantis

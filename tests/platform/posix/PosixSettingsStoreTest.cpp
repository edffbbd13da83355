#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/Errors.hpp"
#include "platform/posix/PosixSettingsStore.hpp"

namespace orvantis {
namespace {

namespace fs = std::filesystem;
using testing::ErrorNumberOf;

constexpr wchar_t kApp[] = L"OrvantisAgent";
constexpr wchar_t kSection[] = L"Configuration";

// Each test gets its own home and configuration folder.
class PosixSettings : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvantis-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        setenv("HOME", (root / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path File() const { return root / "config" / "OrvantisAgent" / "Configuration.ini"; }
    std::string FileText() const {
        std::ifstream in(File(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void PutFile(const std::string& text) const {
        fs::create_directories(File().parent_path());
        std::ofstream(File(), std::ios::binary) << text;
    }

    fs::path root;
    PosixSettingsStore store;
};

TEST_F(PosixSettings, NothingStoredReadsAsMissing) {
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), std::nullopt);
    PutFile("[Other]\nGoldmineUser=x\n");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), std::nullopt);
    PutFile("[Configuration]\nGroupWiseAddressBook=1\n");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), std::nullopt);
}

TEST_F(PosixSettings, ValuesRoundTripUnchanged) {
    const std::wstring values[] = {
        L"",
        L"a=b;c",
        L"first\nsecond\r\nthird\r",
        L"  blanks at both ends  ",
        L"\ttab",
        L"back\\slash \\n stays literal",
        L"[Configuration]",
        L"#not a comment",
        L"; nor this",
        L"caf\u00e9 \u20ac \u4e2d\u6587 \U0001F600",
    };
    int index = 0;
    for (const auto& value : values) {
        const std::wstring key = L"Key" + std::to_wstring(index++);
        store.Write(kApp, kSection, key, value);
    }
    PosixSettingsStore fresh;
    index = 0;
    for (const auto& value : values) {
        EXPECT_EQ(fresh.Read(kApp, kSection, L"Key" + std::to_wstring(index++)), value);
    }
}

TEST_F(PosixSettings, AWriteKeepsTheOtherSettingsAndTheUsersComments) {
    PutFile("# kept\n[Configuration]\nGoldmineUser=jdupont\n[Other]\nx=1\n");
    store.Write(kApp, kSection, L"GroupWiseAddressBook", L"2");
    store.Write(kApp, kSection, L"GoldmineUser", L"mdurand");
    EXPECT_EQ(store.Read(kApp, kSection, L"GroupWiseAddressBook"), L"2");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), L"mdurand");
    EXPECT_EQ(store.Read(kApp, L"Other", L"x"), std::nullopt);  // another file
    EXPECT_NE(FileText().find("# kept\n"), std::string::npos);
    EXPECT_NE(FileText().find("[Other]\nx=1\n"), std::string::npos);
}

TEST_F(PosixSettings, TheFileIsCreatedForItsOwnerAlone) {
    store.Write(kApp, kSection, L"GoldminePassword", L"c2VjcmV0");
    EXPECT_EQ(FileText(), "[Configuration]\nGoldminePassword=c2VjcmV0\n");
    struct stat info {};
    ASSERT_EQ(stat(File().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(PosixSettings, ARelativeConfigHomeIsIgnoredForTheHomeFolder) {
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    store.Write(kApp, kSection, L"GoldmineUser", L"x");
    EXPECT_TRUE(fs::exists(root / "home" / ".config" / "OrvantisAgent" / "Configuration.ini"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), L"x");
}

TEST_F(PosixSettings, ADamagedFileRaisesAndIsLeftAsItWas) {
    for (const std::string& damaged : {std::string("[Configuration]\nno pair here\n"),
                                       std::string("[Configuration\nGoldmineUser=x\n")}) {
        PutFile(damaged);
        EXPECT_EQ(ErrorNumberOf([&] { store.Read(kApp, kSection, L"GoldmineUser"); }), 321) << damaged;
        EXPECT_EQ(ErrorNumberOf([&] { store.Write(kApp, kSection, L"GoldmineUser", L"y"); }), 321);
        EXPECT_EQ(FileText(), damaged);
    }
}

TEST_F(PosixSettings, AValueThatIsNotUtf8RaisesUntilItIsReplaced) {
    PutFile("[Configuration]\nGoldmineUser=\xe9t\xe9\nOther=\xe9\n");
    EXPECT_EQ(ErrorNumberOf([&] { store.Read(kApp, kSection, L"GoldmineUser"); }), 321);
    store.Write(kApp, kSection, L"GoldmineUser", L"\u00e9t\u00e9");
    EXPECT_EQ(store.Read(kApp, kSection, L"GoldmineUser"), L"\u00e9t\u00e9");
    EXPECT_NE(FileText().find("Other=\xe9\n"), std::string::npos);  // the other value is kept
}

TEST_F(PosixSettings, NamesThatWouldLeaveTheFolderOrNotReadBackAreRefused) {
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(L"..", kSection, L"k", L"v"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(L"a/b", kSection, L"k", L"v"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(kApp, L"x]", L"k", L"v"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { store.Read(kApp, kSection, L"a=b"); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(kApp, kSection, L"k", std::wstring(L"a\0b", 3)); }), 5);
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

// A writer killed at any moment leaves a file that reads as one complete state.
TEST_F(PosixSettings, AWriterKilledMidwayLeavesACompleteFile) {
    store.Write(kApp, kSection, L"Value", std::wstring(200000, L'a'));
    for (int round = 0; round < 10; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            PosixSettingsStore writer;
            for (wchar_t fill = L'b';; fill = fill == L'z' ? L'b' : fill + 1) {
                writer.Write(kApp, kSection, L"Value", std::wstring(200000, fill));
            }
        }
        usleep(static_cast<useconds_t>(2000 + round * 1500));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        const auto value = store.Read(kApp, kSection, L"Value");
        ASSERT_TRUE(value.has_value());
        ASSERT_EQ(value->size(), 200000u);
        EXPECT_EQ(value->find_first_not_of(value->front()), std::wstring::npos);
    }
}

}  // namespace
}  // namespace orvantis

#include "platform/posix/NativeShell.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "automation/Unicode.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using testing::ErrorNumberOf;

// Points HOME and the XDG variables at a fresh folder for one test.
class ScopedHome {
public:
    ScopedHome() : root_(std::filesystem::temp_directory_path() / ("orvantis-home-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        Save("HOME");
        Save("XDG_CACHE_HOME");
        Save("XDG_CONFIG_HOME");
        Save("XDG_DESKTOP_DIR");
        setenv("HOME", root_.c_str(), 1);
        unsetenv("XDG_CACHE_HOME");
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DESKTOP_DIR");
    }
    ~ScopedHome() {
        for (const auto& [name, value] : saved_) {
            if (value) setenv(name.c_str(), value->c_str(), 1); else unsetenv(name.c_str());
        }
        std::filesystem::remove_all(root_);
    }
    const std::filesystem::path& Root() const { return root_; }
    std::wstring Wide(const std::filesystem::path& path) const { return *WideFromUtf8(path.string()); }

private:
    void Save(const std::string& name) {
        const char* value = getenv(name.c_str());
        saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(NativeShell, FoldersFollowXdgAndEndInASeparator) {
    ScopedHome home;
    NativeShell shell;
    EXPECT_EQ(shell.SpecialFolderPath(32), home.Wide(home.Root() / ".cache") + L"/");
    EXPECT_EQ(shell.SpecialFolderPath(16), home.Wide(home.Root() / "Desktop") + L"/");
    EXPECT_TRUE(std::filesystem::is_directory(home.Root() / "Desktop")) << "created when missing";

    setenv("XDG_CACHE_HOME", (home.Root() / "cache dir").c_str(), 1);
    EXPECT_EQ(shell.SpecialFolderPath(32), home.Wide(home.Root() / "cache dir") + L"/");

    std::filesystem::create_directories(home.Root() / ".config");
    std::ofstream(home.Root() / ".config" / "user-dirs.dirs")
        << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n";
    EXPECT_EQ(shell.SpecialFolderPath(16), home.Wide(home.Root() / "Bureau") + L"/");
    setenv("XDG_DESKTOP_DIR", (home.Root() / "Escritorio").c_str(), 1);
    EXPECT_EQ(shell.SpecialFolderPath(16), home.Wide(home.Root() / "Escritorio") + L"/");

    EXPECT_EQ(shell.SpecialFolderPath(5), L"");

    // Without a home folder there is no folder at all, rather than one under the current one.
    unsetenv("HOME");
    unsetenv("XDG_CACHE_HOME");
    unsetenv("XDG_DESKTOP_DIR");
    EXPECT_EQ(shell.SpecialFolderPath(16), L"");
    EXPECT_EQ(shell.SpecialFolderPath(32), L"");
}

TEST(NativeShell, WaitsForTheProgramAndPassesArgumentsWithoutAShell) {
    ScopedHome home;
    NativeShell shell;
    const auto start = std::chrono::steady_clock::now();
    shell.RunAndWait(L"sleep 2", 1);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1900));
    EXPECT_LT(elapsed, std::chrono::seconds(5));

    const auto target = home.Root() / "a b;$(echo no).txt";
    shell.RunAndWait(L"touch \"" + home.Wide(target) + L"\"", 1);
    EXPECT_TRUE(std::filesystem::exists(target));
}

// The box that ShellAndWait makes of it is tested with the fake shell (HostLookupsTest).
TEST(NativeShell, AMissingProgramRaises53WithoutWaiting) {
    NativeShell shell;
    const auto start = std::chrono::steady_clock::now();
    for (const auto* commandLine : {L"\"/opt/no such/wab.exe\" /vcard x", L"no-such-program-orvantis", L""}) {
        EXPECT_EQ(ErrorNumberOf([&] { shell.RunAndWait(commandLine, 1); }), 53) << commandLine;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace orvantis

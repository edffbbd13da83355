#include "platform/posix/NativeShell.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "TemporaryHome.hpp"
#include "automation/Unicode.hpp"
#include "fakes/Errors.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;

// A fresh HOME (the temporary root itself), with no XDG variable, for each test.
class NativeShellTest : public test::TemporaryHome {
protected:
    void SetUp() override {
        TemporaryHome::SetUp();
        setenv("HOME", root.c_str(), 1);
        for (const char* name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DESKTOP_DIR", "XDG_DOCUMENTS_DIR"}) {
            unsetenv(name);
        }
    }
    std::wstring Wide(const std::filesystem::path& path) const { return *WideFromUtf8(path.string()); }

    NativeShell shell;
};

// The default folders, and the desktop made when missing, are the command line's test.
TEST_F(NativeShellTest, FoldersFollowXdgAndEndInASeparator) {
    setenv("XDG_CACHE_HOME", (root / "cache dir").c_str(), 1);
    EXPECT_EQ(shell.SpecialFolderPath(32), Wide(root / "cache dir") + L"/");

    std::filesystem::create_directories(root / ".config");
    std::ofstream(root / ".config" / "user-dirs.dirs")
        << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n";
    EXPECT_EQ(shell.SpecialFolderPath(16), Wide(root / "Bureau") + L"/");
    setenv("XDG_DESKTOP_DIR", (root / "Escritorio").c_str(), 1);
    EXPECT_EQ(shell.SpecialFolderPath(16), Wide(root / "Escritorio") + L"/");

    setenv("XDG_DOCUMENTS_DIR", (root / "Mes documents").c_str(), 1);
    EXPECT_EQ(shell.SpecialFolderPath(5), Wide(root / "Mes documents") + L"/");
    EXPECT_EQ(shell.SpecialFolderPath(6), L"");

    // Without a home folder there is no folder at all, rather than one under the current one.
    unsetenv("HOME");
    unsetenv("XDG_CACHE_HOME");
    unsetenv("XDG_DESKTOP_DIR");
    unsetenv("XDG_DOCUMENTS_DIR");
    EXPECT_EQ(shell.SpecialFolderPath(16), L"");
    EXPECT_EQ(shell.SpecialFolderPath(32), L"");
}

TEST_F(NativeShellTest, WaitsForTheProgramAndPassesArgumentsWithoutAShell) {
    const auto start = std::chrono::steady_clock::now();
    shell.RunAndWait(L"sleep 2", 1);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1900));
    EXPECT_LT(elapsed, std::chrono::seconds(5));

    const auto target = root / "a b;$(echo no).txt";
    shell.RunAndWait(L"touch \"" + Wide(target) + L"\"", 1);
    EXPECT_TRUE(std::filesystem::exists(target));
}

// The box that ShellAndWait makes of it is the command line's golden (the Outlook Express
// load).
TEST_F(NativeShellTest, AMissingProgramRaises53WithoutWaiting) {
    const auto start = std::chrono::steady_clock::now();
    for (const auto* commandLine : {L"\"/opt/no such/wab.exe\" /vcard x", L"no-such-program-orvantis", L""}) {
        EXPECT_EQ(ErrorNumberOf([&] { shell.RunAndWait(commandLine, 1); }), 53) << commandLine;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace orvantis

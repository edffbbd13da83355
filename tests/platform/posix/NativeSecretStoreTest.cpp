// The secret files against the real file system: what only their owner may open is written
// so from the start and read only while it stays so.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TemporaryHome.hpp"
#include "fakes/Errors.hpp"
#include "platform/posix/NativeSecretStore.hpp"

namespace orvantis {
namespace {

namespace fs = std::filesystem;
using test::ErrorNumberOf;

class PosixSecrets : public test::TemporaryHome {
protected:
    fs::path Folder() const { return root / "config" / "Orvantis" / "secrets"; }
    fs::path File() const { return Folder() / "DavPassword"; }
    static unsigned ModeOf(const fs::path& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }
    AutomationError ReadRefusal() {
        return test::ErrorOf([&] { store.Read(L"DavPassword"); });
    }

    NativeSecretStore store;
};

// With no umask to narrow them, the modes come from how the file and folder are created:
// never wider than their owner's.
TEST_F(PosixSecrets, RoundTripInPrivateUtf8Files) {
    EXPECT_EQ(store.Read(L"DavPassword"), std::nullopt);
    const mode_t saved = umask(0);
    for (const std::wstring secret : {L"p\u00e4ss w\u00f6rd \u20ac\U0001F511", L"", L"two\nlines"}) {
        store.Write(L"DavPassword", secret);
        EXPECT_EQ(NativeSecretStore().Read(L"DavPassword"), secret);
        EXPECT_EQ(ModeOf(File()), 0600u);
    }
    umask(saved);
    EXPECT_EQ(test::FileBytes(File()), "two\nlines");
    EXPECT_EQ(ModeOf(Folder()), 0700u);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), {}), 1);  // no temporary left
}

TEST_F(PosixSecrets, AFileOthersCouldOpenOrAnotherUserOwnsIsRefused) {
    store.Write(L"DavPassword", L"secret");
    for (const fs::perms mode : {fs::perms(0644), fs::perms(0640), fs::perms(0604), fs::perms(0620)}) {
        fs::permissions(File(), mode);
        const AutomationError refused = ReadRefusal();
        EXPECT_EQ(refused.Number(), 70) << static_cast<unsigned>(mode);
        EXPECT_NE(refused.Description().find(File().wstring()), std::wstring::npos);
        EXPECT_NE(refused.Description().find(L"chmod 600"), std::wstring::npos);
    }
    // Saving again replaces the exposed file with a private one.
    store.Write(L"DavPassword", L"new");
    EXPECT_EQ(ModeOf(File()), 0600u);
    EXPECT_EQ(store.Read(L"DavPassword"), L"new");

    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    ASSERT_EQ(chown(File().c_str(), 65534, 65534), 0);
    const AutomationError refused = ReadRefusal();
    EXPECT_EQ(refused.Number(), 70);
    EXPECT_NE(refused.Description().find(L"another user"), std::wstring::npos);
}

TEST_F(PosixSecrets, AWidenedFolderIsNarrowedAndBadContentOrNamesRefused) {
    fs::create_directories(Folder());
    fs::permissions(Folder(), fs::perms(0755));
    store.Write(L"DavPassword", L"x");
    EXPECT_EQ(ModeOf(Folder()), 0700u);

    std::ofstream(File(), std::ios::binary | std::ios::trunc) << "\xff\xfe";
    EXPECT_EQ(ErrorNumberOf([&] { store.Read(L"DavPassword"); }), 321);
    fs::remove(File());
    fs::create_directory(File());
    fs::permissions(File(), fs::perms(0700));
    EXPECT_EQ(ErrorNumberOf([&] { store.Read(L"DavPassword"); }), 75);

    for (const wchar_t* name : {L"", L"..", L"a/b", L".hidden", L"dav password"}) {
        EXPECT_EQ(ErrorNumberOf([&] { store.Write(name, L"x"); }), 5) << name;
        EXPECT_EQ(ErrorNumberOf([&] { store.Read(name); }), 5) << name;
    }
}

TEST_F(PosixSecrets, WithoutAHomeNothingIsKeptAndNothingWritten) {
    unsetenv("HOME");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(store.Read(L"DavPassword"), std::nullopt);
    EXPECT_EQ(ErrorNumberOf([&] { store.Write(L"DavPassword", L"x"); }), 76);
}

}  // namespace
}  // namespace orvantis

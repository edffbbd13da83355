// The Win32 adapters against the real (Wine) system.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fakes/Errors.hpp"
#include "platform/windows/ComHandles.hpp"
#include "platform/windows/NativeXmlParser.hpp"
#include "platform/windows/NativeFiles.hpp"
#include "platform/windows/NativeRegistry.hpp"
#include "platform/windows/NativeSettingsStore.hpp"
#include "platform/windows/NativeShell.hpp"

namespace orvantis::windows {
namespace {

using test::ErrorNumberOf;

const wchar_t* const kTestKey = L"Software\\OrvantisAdapterTest";

class WindowsAdaptersTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

    static void WriteValue(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, name, type, data, size), ERROR_SUCCESS);
    }

    ComApartment apartment_;
};

// Document types are refused by the shared parser tests, which run on MSXML here too.
TEST_F(WindowsAdaptersTest, XmlTheDeclarationIsNoNodeOfTheDocument) {
    auto result = NativeXmlParser().Parse(L"<?xml version=\"1.0\"?><r/>");
    const auto& doc = std::get<XmlDocument>(result);
    EXPECT_EQ(doc.Kind(doc.FirstChild(XmlDocument::kRoot)), XmlNodeKind::Element);
}

TEST_F(WindowsAdaptersTest, RegistryReadsStringsWithoutTheirZerosAndCreatesNothing) {
    const wchar_t twoZeros[] = L"x\0";
    WriteValue(L"Padded", REG_SZ, twoZeros, sizeof twoZeros);
    const DWORD number = 7;
    WriteValue(L"Number", REG_DWORD, &number, sizeof number);

    NativeRegistry registry;
    EXPECT_EQ(registry.ReadValue(RegistryRoot::CurrentUser, kTestKey, L"Padded"), L"x");
    EXPECT_FALSE(registry.ReadValue(RegistryRoot::CurrentUser, kTestKey, L"Number"));

    const std::wstring absent = std::wstring(kTestKey) + L"\\Never\\Created";
    EXPECT_FALSE(registry.ReadValue(RegistryRoot::CurrentUser, absent, L"Path"));
    HKEY probe = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, absent.c_str(), 0, KEY_READ, &probe),
              ERROR_FILE_NOT_FOUND);
}

// Where the control's settings land (Software\OrvantisAgent) the stand-in server's tests read.
TEST_F(WindowsAdaptersTest, SettingsStoreKeepsTextAndStaysInItsKey) {
    NativeSettingsStore settings;
    const std::wstring application = L"OrvantisAdapterTest";
    EXPECT_FALSE(settings.Read(application, L"Configuration", L"GoldmineUser"));
    settings.Write(application, L"Configuration", L"GoldmineUser", L" anne \u00E9\r\n");
    EXPECT_EQ(settings.Read(application, L"Configuration", L"GoldmineUser"), L" anne \u00E9\r\n");
    // A name never reaches outside the application's key.
    EXPECT_EQ(ErrorNumberOf([&] { settings.Write(application, L"..\\..\\Run", L"x", L"y"); }), 5);
}

// Counts the messages that reach a window while the shell waits for a program.
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(WindowsAdaptersTest, ShellWaitsForTheEndWhateverTheExitCodeAndPumpsMessages) {
    int delivered = 0;
    HWND window = CreateWindowW(L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&delivered));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure));
    PostMessageW(window, WM_APP, 0, 0);

    NativeShell shell;
    const auto start = std::chrono::steady_clock::now();
    // 259 is the code that GetExitCodeProcess also gives for a running program.
    shell.RunAndWait(L"cmd.exe /c exit 259", SW_HIDE);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(delivered, 1);
    DestroyWindow(window);

    EXPECT_EQ(ErrorNumberOf([&] { shell.RunAndWait(L"no-such-program-orvantis.exe", 1); }), 53);
}

TEST_F(WindowsAdaptersTest, ShellFoldersEndInABackslashAndVariablesExpand) {
    NativeShell shell;
    SetEnvironmentVariableW(L"ORVANTIS_TEST_FOLDER", L"C:\\Gold");
    EXPECT_EQ(shell.ExpandEnvironmentVariables(L"%ORVANTIS_TEST_FOLDER%\\gm6;%NOT_SET_HERE%"),
              L"C:\\Gold\\gm6;%NOT_SET_HERE%");
    for (const int id : {folder::kDesktopDirectory, folder::kInternetCache}) {
        const std::wstring path = shell.SpecialFolderPath(id);
        ASSERT_FALSE(path.empty()) << id;
        EXPECT_EQ(path.back(), L'\\');
        EXPECT_NE(path.substr(0, path.size() - 1).back(), L'\\');
    }
    EXPECT_EQ(shell.SpecialFolderPath(-5), L"");
}

TEST_F(WindowsAdaptersTest, FilesWriteAnsiTextAndMakeUniqueTemporaryNames) {
    NativeFiles files;
    const std::wstring first = files.CreateUniqueTemporaryFile(L".vcf");
    const std::wstring second = files.CreateUniqueTemporaryFile(L".vcf");
    EXPECT_NE(first, second);
    EXPECT_EQ(first.substr(first.size() - 4), L".vcf");

    // The active code page of the test prefix is 1252; a character it lacks becomes "?",
    // never a look-alike.
    files.WriteAnsiText(first, L"caf\u00E9 \u20AC \u0101 \u4E2D\U0001F600\xD800");
    std::ifstream written(std::filesystem::path(first), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(written)), {});
    written.close();
    EXPECT_EQ(bytes, "caf\xE9 \x80 ? ???");

    files.Delete(first);
    files.Delete(second);
    EXPECT_EQ(ErrorNumberOf([&] { files.Delete(first); }), 53);
    EXPECT_EQ(ErrorNumberOf([&] { files.WriteBytes(L"Q:\\no\\such\\folder\\x", "x"); }), 76);
}

}  // namespace
}  // namespace orvantis::windows

// The sealed secrets against the real (Wine) data-protection API and registry.

#include "platform/windows/NativeSecretStore.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/Errors.hpp"
#include "platform/windows/Win32.hpp"
#include "support/base64.hpp"

namespace orvantis::windows {
namespace {

using test::ErrorNumberOf;

constexpr wchar_t kName[] = L"OrvantisTestSecret";

class WindowsSecrets : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, NativeSecretStore::kKey, kName); }

    static std::vector<BYTE> Stored(DWORD& type) {
        DWORD size = 0;
        RegGetValueW(HKEY_CURRENT_USER, NativeSecretStore::kKey, kName, RRF_RT_ANY, &type, nullptr, &size);
        std::vector<BYTE> data(size);
        RegGetValueW(HKEY_CURRENT_USER, NativeSecretStore::kKey, kName, RRF_RT_ANY, &type, data.data(), &size);
        return data;
    }
    static void Put(DWORD type, const std::vector<BYTE>& data) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, NativeSecretStore::kKey, kName, type,
                                  data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }
    NativeSecretStore store;
};

TEST_F(WindowsSecrets, RoundTripThroughTheDataProtectionApi) {
    EXPECT_EQ(store.Read(kName), std::nullopt);
    for (const std::wstring secret : {L"", L"p\u00e4ss w\u00f6rd \u20ac\U0001F511"}) {
        store.Write(kName, secret);
        EXPECT_EQ(NativeSecretStore().Read(kName), secret);
    }
}

// Neither the text nor its Base64 (of UTF-16 or UTF-8) is in the registry value; a blob that
// does not unseal, or a value that is no blob, is refused.
TEST_F(WindowsSecrets, TheRegistryHoldsOnlyTheSealedBlobAndNothingElseIsRead) {
    const std::wstring secret = L"correct horse battery staple";
    store.Write(kName, secret);
    DWORD type = 0;
    std::vector<BYTE> stored = Stored(type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    const std::string blob(stored.begin(), stored.end());
    const std::string utf16(reinterpret_cast<const char*>(secret.data()), secret.size() * 2);
    const std::string utf8(secret.begin(), secret.end());
    for (const std::string& plain : {utf16, utf8, base64::Base64OfBytes(utf16), base64::Base64OfBytes(utf8)}) {
        ASSERT_FALSE(plain.empty());
        EXPECT_EQ(blob.find(plain.substr(0, 12)), std::string::npos) << plain;
    }

    ASSERT_GT(stored.size(), 8u);
    stored[stored.size() - 4] ^= 0x5a;
    Put(REG_BINARY, stored);
    EXPECT_EQ(ErrorNumberOf([&] { store.Read(kName); }), 70);
    Put(REG_SZ, {'s', 0, 0, 0});
    EXPECT_EQ(ErrorNumberOf([&] { store.Read(kName); }), 321);
}

}  // namespace
}  // namespace orvantis::windows

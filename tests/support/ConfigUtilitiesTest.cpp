#include <gtest/gtest.h>

#include "fakes/TestHost.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::ConfigUtilities {
namespace {

class Settings : public ::testing::Test {
protected:
    std::optional<std::wstring> Stored(const std::wstring& key) {
        return test.settings.Read(L"OrvantisAgent", L"Configuration", key);
    }
    void Store(const std::wstring& key, const std::wstring& value) {
        test.settings.Write(L"OrvantisAgent", L"Configuration", key, value);
    }
    testing::TestHost test;
    Host& host = test.Get();
};

TEST_F(Settings, AFreshAccountReadsEmpty) {
    EXPECT_EQ(GetGoldmineUser(host), Variant(L""));
    EXPECT_EQ(GetGroupWiseAddressBook(host), Variant(L""));
    EXPECT_TRUE(GetGoldminePassword(host).IsEmpty());
}

TEST_F(Settings, EachSetterWritesItsOwnKeyAsText) {
    SaveGoldmineUser(host, Variant(L"jdupont"));
    SaveGroupWiseAddressBook(host, Variant(std::int32_t{3}));
    SaveOutlookAddressBook(host, Variant(L"-1"));
    EXPECT_EQ(Stored(L"GoldmineUser"), L"jdupont");
    EXPECT_EQ(Stored(L"GroupWiseAddressBook"), L"3");
    EXPECT_EQ(Stored(L"OutlookAddressBook"), L"-1");
    EXPECT_EQ(test.settings.values.size(), 3u);
    EXPECT_EQ(GetGoldmineUser(host), Variant(L"jdupont"));
    EXPECT_EQ(GetGroupWiseAddressBook(host), Variant(L"3"));

    SaveOutlookAddressBook(host, Variant(L""));  // Cancel
    EXPECT_EQ(Stored(L"OutlookAddressBook"), L"");
}

TEST_F(Settings, ThePasswordIsStoredAsBase64AndReadBackUnchanged) {
    SaveGoldminePassword(host, Variant(L"p@ss word; \u00e9!"));
    EXPECT_EQ(Stored(L"GoldminePassword"), L"cEBzcyB3b3JkOyDpIQ==");
    EXPECT_EQ(GetGoldminePassword(host), Variant(L"p@ss word; \u00e9!"));

    SaveGoldminePassword(host, Variant(L""));
    EXPECT_EQ(Stored(L"GoldminePassword"), L"");
    EXPECT_TRUE(GetGoldminePassword(host).IsEmpty());
}

TEST_F(Settings, ADamagedStoredPasswordRaisesTheDecodersError) {
    Store(L"GoldminePassword", L"abc");
    try {
        GetGoldminePassword(host);
        FAIL() << "no error";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), 1);
        EXPECT_EQ(error.Source(), L"Base64Decode");
    }
}

TEST_F(Settings, TheDescriptionMasksThePassword) {
    SaveGoldmineUser(host, Variant(L"jdupont"));
    SaveGoldminePassword(host, Variant(L"secret"));
    const auto shown = DescribeSettings(host);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], std::make_pair(std::wstring(L"GoldmineUser"), std::wstring(L"jdupont")));
    EXPECT_EQ(shown[1].first, L"GoldminePassword");
    EXPECT_EQ(shown[1].second.find(L"secret"), std::wstring::npos);
    EXPECT_EQ(shown[1].second.find(L"c2VjcmV0"), std::wstring::npos);
    EXPECT_FALSE(shown[1].second.empty());
}

}  // namespace
}  // namespace orvantis::ConfigUtilities

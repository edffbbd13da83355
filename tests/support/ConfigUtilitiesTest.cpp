#include <gtest/gtest.h>

#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::ConfigUtilities {
namespace {

class Settings : public ::testing::Test {
protected:
    std::optional<std::wstring> Stored(const std::wstring& key) {
        return test.settings.Read(L"OrvantisAgent", L"Configuration", key);
    }
    testing::TestHost test;
    Host& host = test.Get();
};

TEST_F(Settings, EachSetterWritesItsOwnKeyAsTextAndAFreshAccountReadsEmpty) {
    EXPECT_EQ(GetGoldmineUser(host), Variant(L""));
    EXPECT_TRUE(GetGoldminePassword(host).IsEmpty());
    SaveGoldmineUser(host, Variant(L"jdupont"));
    SaveGroupWiseAddressBook(host, Variant(std::int32_t{3}));
    SaveOutlookAddressBook(host, Variant(L""));  // Cancel
    EXPECT_EQ(test.settings.values.size(), 3u);
    EXPECT_EQ(Stored(L"OutlookAddressBook"), L"");
    EXPECT_EQ(GetGoldmineUser(host), Variant(L"jdupont"));
    EXPECT_EQ(GetGroupWiseAddressBook(host), Variant(L"3"));
}

TEST_F(Settings, ThePasswordIsStoredAsBase64AndNeverShown) {
    SaveGoldminePassword(host, Variant(L"p@ss word; \u00e9!"));
    EXPECT_EQ(Stored(L"GoldminePassword"), L"cEBzcyB3b3JkOyDpIQ==");
    EXPECT_EQ(GetGoldminePassword(host), Variant(L"p@ss word; \u00e9!"));
    const auto shown = DescribeSettings(host);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[1].first, L"GoldminePassword");
    EXPECT_FALSE(shown[1].second.empty());
    EXPECT_EQ(shown[1].second.find(L"p@ss"), std::wstring::npos);
    EXPECT_EQ(shown[1].second.find(L"cEBz"), std::wstring::npos);

    SaveGoldminePassword(host, Variant(L""));
    EXPECT_TRUE(GetGoldminePassword(host).IsEmpty());
    test.settings.Write(L"OrvantisAgent", L"Configuration", L"GoldminePassword", L"abc");
    EXPECT_EQ(testing::ErrorNumberOf([&] { GetGoldminePassword(host); }), 1);  // damaged
}

}  // namespace
}  // namespace orvantis::ConfigUtilities

#include "dav/DavLoginDialog.hpp"

#include <gtest/gtest.h>

#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "support/ConfigUtilities.hpp"

namespace orvantis::test {
namespace {

using Button = DialogAnswer::Button;

class DavLoginTest : public ::testing::Test {
protected:
    void Store(const std::wstring& user, const std::wstring& password) {
        ConfigUtilities::SaveDavUser(host(), user);
        ConfigUtilities::SaveDavPassword(host(), password);
    }
    std::wstring StoredUser() { return ConfigUtilities::GetDavUser(host()); }
    std::optional<std::wstring> StoredPassword() { return test.secrets.values[L"DavPassword"]; }
    // The server, user and password boxes of a shown dialog, each ended by "|".
    std::wstring Shown(std::size_t dialog) {
        std::wstring shown;
        for (const wchar_t* id : {DavLoginDialog::kServerBox, DavLoginDialog::kUserBox, DavLoginDialog::kPasswordBox}) {
            for (const auto& control : test.ui.dialogs.at(dialog).controls) {
                if (control.id == id) shown += control.text + L"|";
            }
        }
        return shown;
    }
    Host& host() { return test.Get(); }

    TestHost test;
};

TEST_F(DavLoginTest, OkStoresTheUserAmongSettingsAndThePasswordAmongSecrets) {
    ConfigUtilities::SaveDavUrl(host(), L"https://dav.example.com/");
    Store(L"anne", L"old");
    test.ui.dialogAnswers = {{Button::Ok,
                              {{DavLoginDialog::kServerBox, L"https://dav2.example.com/"},
                               {DavLoginDialog::kUserBox, L"bob"},
                               {DavLoginDialog::kPasswordBox, L"n\u00e9w pass"}}}};
    EXPECT_TRUE(AskDavLogin(host()));

    const DialogView& shown = test.ui.dialogs.at(0);
    EXPECT_EQ(shown.caption, L"Server login");
    EXPECT_EQ(Shown(0), L"https://dav.example.com/|anne|old|");
    EXPECT_TRUE(shown.controls.at(6).password);
    EXPECT_EQ(ConfigUtilities::GetDavUrl(host()), L"https://dav2.example.com/");
    EXPECT_EQ(StoredUser(), L"bob");
    EXPECT_EQ(StoredPassword(), L"n\u00e9w pass");
    for (const auto& [address, value] : test.settings.values) {
        EXPECT_EQ(value.find(L"n\u00e9w"), std::wstring::npos) << std::get<2>(address);
    }
}

// Cancel and the close control store nothing; the next showing reads the stores afresh,
// not what was typed into the one cancelled.
TEST_F(DavLoginTest, CancelAndCloseStoreNothing) {
    for (const Button button : {Button::Cancel, Button::Close}) {
        Store(L"anne", L"kept");
        test.ui.dialogs.clear();
        test.ui.dialogAnswers = {
            {button, {{DavLoginDialog::kUserBox, L"typed"}, {DavLoginDialog::kPasswordBox, L"typed"}}},
            {Button::Cancel}};
        EXPECT_FALSE(AskDavLogin(host()));
        EXPECT_EQ(StoredUser(), L"anne");
        EXPECT_EQ(StoredPassword(), L"kept");
        EXPECT_FALSE(AskDavLogin(host()));
        EXPECT_EQ(Shown(1), L"|anne|kept|");
    }
}

// No password kept, or one refused because others could read it: an empty box, which OK then
// fills in the store. Any other failure of the store stops the dialog.
TEST_F(DavLoginTest, AMissingOrRefusedPasswordOpensEmpty) {
    EXPECT_FALSE(AskDavLogin(host()));
    EXPECT_EQ(Shown(0), L"|||");

    Store(L"anne", L"exposed");
    test.secrets.refuseReads = errors::kPermissionDenied;
    test.ui.dialogAnswers = {{Button::Ok, {{DavLoginDialog::kPasswordBox, L"fresh"}}}};
    EXPECT_TRUE(AskDavLogin(host()));
    EXPECT_EQ(Shown(1), L"|anne||");
    EXPECT_EQ(StoredPassword(), L"fresh");

    test.secrets.refuseReads = errors::kInvalidFileFormat;
    EXPECT_EQ(ErrorNumberOf([&] { AskDavLogin(host()); }), errors::kInvalidFileFormat);
    EXPECT_EQ(test.ui.dialogs.size(), 2u);
}

}  // namespace
}  // namespace orvantis::test

#include "inserters/goldmine/GoldMineUtilities.hpp"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>

#include "StandInTest.hpp"
#include "inserters/goldmine/GoldmineDialog.hpp"
#include "support/ConfigUtilities.hpp"
#include "standins/goldmine/GoldMineWorld.hpp"

namespace orvantis::test {
namespace {

using GoldMineUtilities::WriteGoldMineContact;
using Button = DialogAnswer::Button;

class GoldMineTest : public StandInTest {
protected:
    GoldMineTest() { Store(L"jdupont", L"secret"); }
    void TearDown() override {
        StandInTest::TearDown();
        EXPECT_LE(goldmine().mostFieldsAlive, 1u);
    }

    standins::GoldMineWorld& goldmine() { return sandbox.WorldOf<standins::GoldMineWorld>(); }
    Host& host() { return host_; }
    void Store(const std::wstring& user, const std::wstring& password) {
        ConfigUtilities::SaveGoldmineUser(host(), user);
        ConfigUtilities::SaveGoldminePassword(host(), password);
    }
    std::wstring StoredText(const wchar_t* key) {
        return test.settings.values[{L"OrvantisAgent", L"Configuration", key}];
    }
    std::unique_ptr<Registry> registry = sandbox.InstalledOver(test.registry);

private:
    Host host_{test.Get().xml, test.objects, test.ui, *registry, test.shell, test.files, test.settings};
};

TEST_F(GoldMineTest, AFailedStepEndsTheInsertionAndPassesUnchanged) {
    const std::int32_t refused = errors::kProductException;
    const std::tuple<const char*, std::function<void()>, std::int32_t> cases[] = {
        {"wrong password", [&] { Store(L"JDupont", L"Secret"); }, refused},
        // Without GoldMine's registry entry the folders are "\GMBase" and "\Common".
        {"no registered folder", [&] { goldmine().programFolder.clear(); }, refused},
        {"stored password not Base64",
         [&] { test.settings.values[{L"OrvantisAgent", L"Configuration", L"GoldminePassword"}] = L"abc"; }, 1},
        {"a refused field",
         [&] { goldmine().ledger.failures.push_back({L"", L"SetValue", 3, 5, L"GMComAPI", L"no", 0}); }, 5},
    };
    for (const auto& [name, arrange, number] : cases) {
        SCOPED_TRACE(name);
        arrange();
        EXPECT_EQ(ErrorNumberOf([&] { WriteGoldMineContact(host(), AgentContact{}); }), number);
        EXPECT_TRUE(goldmine().contacts.empty());
        EXPECT_EQ(sandbox.LiveObjects(), 0u);
        Store(L"jdupont", L"secret");
        goldmine().programFolder = L"C:\\GoldMine";
        goldmine().ledger.failures.clear();
    }
}

// One thread, as a user's session: OK stores and keeps the dialog's texts; Annuler and the
// close control store nothing and discard it; showing it inside its own showing is 400. A
// damaged stored password opens an empty box, so that OK repairs it rather than fails.
TEST_F(GoldMineTest, TheDialogStoresOnlyOnOkAndKeepsItsTextsUntilDiscarded) {
    test.settings.values[{L"OrvantisAgent", L"Configuration", L"GoldminePassword"}] = L"not*base64";
    std::thread([&] {
        std::int32_t nested = 0;
        test.ui.onDialog = [&] {
            test.ui.onDialog = nullptr;
            nested = ErrorNumberOf([&] { ShowGoldmineDialog(host()); });
        };
        test.ui.dialogAnswers = {{Button::Ok, {{L"Text1", L"anne"}, {L"Text2", L"p w=d"}}}};
        ShowGoldmineDialog(host());
        EXPECT_EQ(nested, 400);
        ASSERT_EQ(test.ui.dialogs.size(), 1u);
        const auto& controls = test.ui.dialogs[0].controls;  // the caption is the command line's golden
        EXPECT_EQ(std::tuple(controls[2].text, controls[4].text, controls[4].password), std::tuple(L"jdupont", L"", true));
        EXPECT_EQ(StoredText(L"GoldmineUser") + L"/" + StoredText(L"GoldminePassword"), L"anne/cCB3PWQ=");
        for (const Button button : {Button::Cancel, Button::Close}) {
            Store(L"kept", L"kept");
            test.ui.dialogs.clear();
            test.ui.dialogAnswers = {{button, {{L"Text1", L"typed"}, {L"Text2", L"typed"}}}, {}};
            ShowGoldmineDialog(host());  // the loaded dialog's own texts, not the settings
            EXPECT_EQ(test.ui.dialogs.at(0).controls[2].text, button == Button::Cancel ? L"anne" : L"kept");
            EXPECT_EQ(StoredText(L"GoldmineUser"), L"kept");
            Store(L"later", L"later");
            ShowGoldmineDialog(host());  // loaded afresh from the settings
            EXPECT_EQ(test.ui.dialogs.at(1).controls[2].text, L"later");
        }
    }).join();
}

}  // namespace
}  // namespace orvantis::test

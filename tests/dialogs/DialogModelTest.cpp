#include <gtest/gtest.h>

#include <thread>

#include "dialogs/DialogModel.hpp"
#include "fakes/Errors.hpp"
#include "fakes/TestDialog.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis {
namespace {

using test::ErrorNumberOf;
using test::TestDialog;
using Button = DialogAnswer::Button;

struct Shown {
    std::wstring name;
    std::wstring password;
    int line;
    bool operator==(const Shown&) const = default;
};

Shown ShownIn(const DialogView& view) {
    return {view.controls[1].text, view.controls[3].text, view.controls[5].selection};
}

TEST(DialogModelTest, LoadsOnceKeepsWhatTheUserLeftAndLoadsAgainAfterTheCloseControl) {
    test::TestHost host;
    TestDialog dialog;
    host.ui.dialogAnswers = {{Button::Ok, {{L"Text1", L"bob"}}, {{L"List1", 2}}},
                             {Button::Cancel, {{L"Text2", L"n\u00E9w"}}, {}},
                             {Button::Close, {{L"Text1", L"lost"}}, {}}};
    for (int i = 0; i < 4; ++i) ShowModally(dialog, host.Get());

    EXPECT_EQ(dialog.loads, 2);
    ASSERT_EQ(host.ui.dialogs.size(), 4u);
    const std::vector<Shown> shown = {ShownIn(host.ui.dialogs[0]), ShownIn(host.ui.dialogs[1]),
                                      ShownIn(host.ui.dialogs[2]), ShownIn(host.ui.dialogs[3])};
    EXPECT_EQ(shown, (std::vector<Shown>{{L"anne", L"s3cret", -1},
                                         {L"bob", L"s3cret", 2},
                                         {L"bob", L"n\u00E9w", 2},
                                         {L"anne", L"s3cret", -1}}));
    // The close control sees what the window held as it closed.
    EXPECT_EQ(dialog.presses, (std::vector<TestDialog::Press>{{Button::Ok, L"bob", L"s3cret", 2},
                                                              {Button::Cancel, L"bob", L"n\u00E9w", 2},
                                                              {Button::Close, L"lost", L"n\u00E9w", 2},
                                                              {Button::Close, L"anne", L"s3cret", -1}}));
    EXPECT_FALSE(dialog.IsLoaded());
}

TEST(DialogModelTest, AnInertCancelLeavesTheDialogUpUntilAnotherButton) {
    test::TestHost host;
    TestDialog dialog;
    dialog.cancelIsInert = true;
    host.ui.dialogAnswers = {{Button::Cancel, {{L"Text1", L"kept"}}, {}}, {Button::Ok}};
    ShowModally(dialog, host.Get());
    EXPECT_EQ(host.ui.dialogs.size(), 2u);
    EXPECT_EQ(ShownIn(host.ui.dialogs[1]).name, L"kept");
    ASSERT_EQ(dialog.presses.size(), 1u);
    EXPECT_EQ(dialog.presses[0].button, Button::Ok);
}

// A failed load and a showing nested in the dialog's own (400) are the inserters' dialog
// tests; a preset line that the list lacks is refused rather than stored.
TEST(DialogModelTest, APresetLineTheListLacksIsRefused) {
    test::TestHost host;
    TestDialog dialog;
    host.ui.dialogAnswers = {{Button::Ok, {}, {{L"List1", 3}}}};
    EXPECT_EQ(ErrorNumberOf([&] { ShowModally(dialog, host.Get()); }), 5);
    EXPECT_TRUE(dialog.presses.empty());
}

TEST(DialogModelTest, EachThreadHasItsOwnInstance) {
    TestDialog* here = &ThreadDialog<TestDialog>();
    TestDialog* there = nullptr;
    std::thread([&] { there = &ThreadDialog<TestDialog>(); }).join();
    EXPECT_EQ(&ThreadDialog<TestDialog>(), here);
    EXPECT_NE(there, here);
}

}  // namespace
}  // namespace orvantis

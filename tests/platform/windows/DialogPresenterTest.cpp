// The Win32 dialog presenter under Wine, driven through its real window.

#include <gtest/gtest.h>

#include "fakes/DialogDriver.hpp"
#include "fakes/TestDialog.hpp"
#include "fakes/TestHost.hpp"
#include "platform/windows/Win32UserInterface.hpp"

namespace orvantis::windows {
namespace {

using test::DialogDriver;
using test::ShownDialog;
using test::TestDialog;
using Button = DialogAnswer::Button;

BOOL CALLBACK CountWindow(HWND, LPARAM counted) {
    ++*reinterpret_cast<int*>(counted);
    return TRUE;
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class DialogPresenterTest : public ::testing::Test {
protected:
    // Shows the dialog through the real presenter and checks that no window outlives it.
    void Show(TestDialog& dialog) {
        const int before = ThreadWindowCount();
        Host host = fakes_.With(ui_);
        ShowModally(dialog, host);
        EXPECT_EQ(ThreadWindowCount(), before);
    }

    test::TestHost fakes_;
    Win32UserInterface ui_;
    DialogDriver driver_;
};

TEST_F(DialogPresenterTest, ShowsTheViewAsAFixedDialogModalToTheThreadsWindows) {
    HWND other = CreateWindowW(L"Static", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(other);
    bool otherEnabled = true;
    driver_.actions.push_back([&](const ShownDialog& shown) {
        otherEnabled = IsWindowEnabled(other);
        test::TypeText(shown.controls[1].window, L"b\u00F6b");
        test::SelectLine(shown.controls[5].window, 2);
        test::Click(shown.controls[6].window);
    });
    TestDialog dialog;
    Show(dialog);
    EXPECT_FALSE(otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(other));
    DestroyWindow(other);

    ASSERT_EQ(driver_.shown.size(), 1u);
    const ShownDialog& shown = driver_.shown[0];
    EXPECT_EQ(shown.caption, L"Test parameters");
    EXPECT_EQ(shown.owner, nullptr);
    EXPECT_EQ(shown.style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(shown.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_TRUE(shown.extendedStyle & WS_EX_TOOLWINDOW);  // no task-bar entry

    const std::pair<std::wstring, std::wstring> expected[] = {  // class name, text
        {L"Static", L"Name:"},  {L"Edit", L"anne"}, {L"Static", L"Password:"}, {L"Edit", L"s3cret"},
        {L"Static", L"Books:"}, {L"ListBox", L""},  {L"Button", L"OK"},        {L"Button", L"Annuler"}};
    ASSERT_EQ(shown.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(std::pair(shown.controls[i].className, shown.controls[i].text), expected[i]) << i;
    }
    EXPECT_FALSE(shown.controls[1].style & ES_PASSWORD);
    EXPECT_EQ(shown.controls[3].passwordChar, L'*');  // under Wine ES_PASSWORD alone gives it too
    EXPECT_EQ(shown.controls[5].lines, dialog.lines);
    EXPECT_EQ(shown.controls[6].id, IDOK);
    EXPECT_EQ(shown.controls[6].style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(shown.controls[7].id, IDCANCEL);

    EXPECT_EQ(dialog.presses, (std::vector<TestDialog::Press>{{Button::Ok, L"b\u00F6b", L"s3cret", 2}}));

    // Hidden by OK, the dialog shows its choice again.
    LRESULT kept = LB_ERR;
    driver_.actions.push_back([&](const ShownDialog& again) {
        kept = SendMessageW(again.controls[5].window, LB_GETCURSEL, 0, 0);
        test::PressCloseControl(again.window);
    });
    Show(dialog);
    EXPECT_EQ(kept, 2);
}

TEST_F(DialogPresenterTest, EachWayOutAnswersItsButton) {
    struct Case {
        const char* name;
        bool cancelIsInert;
        bool doubleClickIsOk;
        DialogDriver::Action action;
        Button pressed;
        int line;
    };
    const Case cases[] = {
        {"Annuler", false, true, [](const ShownDialog& d) { test::Click(d.controls[7].window); },
         Button::Cancel, -1},
        {"close control", false, true, [](const ShownDialog& d) { test::PressCloseControl(d.window); },
         Button::Close, -1},
        {"Esc", false, true, [](const ShownDialog& d) { test::PressEscape(d.controls[1].window); },
         Button::Close, -1},
        {"double-click", false, true,
         [](const ShownDialog& d) { test::DoubleClickLine(d.controls[5].window, 1); }, Button::Ok, 1},
        {"double-click that is no OK", false, false,
         [](const ShownDialog& d) {
             test::DoubleClickLine(d.controls[5].window, 1);
             if (IsWindow(d.window)) test::PressCloseControl(d.window);
         },
         Button::Close, 1},
        {"inert Annuler", true, true,
         [](const ShownDialog& d) {
             test::Click(d.controls[7].window);
             if (IsWindow(d.window)) test::PressCloseControl(d.window);
         },
         Button::Close, -1},
    };
    for (const auto& c : cases) {
        TestDialog dialog;
        dialog.cancelIsInert = c.cancelIsInert;
        dialog.doubleClickIsOk = c.doubleClickIsOk;
        driver_.actions.push_back(c.action);
        Show(dialog);
        ASSERT_EQ(dialog.presses.size(), 1u) << c.name;
        EXPECT_EQ(dialog.presses[0].button, c.pressed) << c.name;
        EXPECT_EQ(dialog.presses[0].line, c.line) << c.name;
    }
}

}  // namespace
}  // namespace orvantis::windows

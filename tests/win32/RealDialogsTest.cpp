// Only the Win32 backend can run these: they find and answer the real Windows message boxes and
// dialogs that the program shows when no test hook stands in for them.
#include "support/ScenarioTest.h"

#include "../../src/classlib/Shell.h"

#include <functional>

namespace {

// What runs once the next dialog window is up.
struct Pending {
    std::function<void(HWND)> action;
    HWND besides = nullptr;
};
Pending pending;

class RealDialogsTest : public ScenarioTest {
protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        SetMessageBoxHook({});
        SetModalHook({});
    }

    // Runs the action once a window of the dialog class "#32770" other than the one given is
    // up; the timer fires inside that window's own modal loop.
    static void WhenDialogOpens(std::function<void(HWND)> action, HWND besides = nullptr) {
        pending = {std::move(action), besides};
        SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) {
            const HWND active = GetActiveWindow();
            char className[16] = {};
            GetClassNameA(active, className, sizeof className);
            if (active == nullptr || active == pending.besides ||
                std::string(className) != "#32770") {
                return;
            }
            KillTimer(nullptr, timer);
            const auto action = std::move(pending.action);
            pending = {};
            action(active);
        });
    }

    // The text of a message box: its static text control.
    static std::string BoxText(HWND box) {
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        return text;
    }

    static std::string Caption(HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
};

TEST_F(RealDialogsTest, TheRealModalLoopRunsUntilTheDialogEnds) {
    CPortfolioDialog dialog;
    WhenDialogOpens([](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(RealDialogsTest, AQuestionIsARealMessageBoxWithItsCaptionAndAnswer) {
    std::string text, caption;
    bool yesIsThere = false;
    WhenDialogOpens([&](HWND box) {
        text = BoxText(box);
        caption = Caption(box);
        yesIsThere = GetDlgItem(box, IDYES) != nullptr;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    });
    EXPECT_EQ(AfxMessageBox("Line one.\r\nLine two?", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
    EXPECT_EQ(text, "Line one.\r\nLine two?");
    EXPECT_EQ(caption, AfxGetApp()->GetAppName());
    EXPECT_TRUE(yesIsThere);
}

TEST_F(RealDialogsTest, ABoxOwnedByTheDialogIsOwnedByItsWindow) {
    HWND owner = nullptr;
    HWND dialogWindow = nullptr;
    std::string caption;
    CPortfolioDialog dialog;
    WhenDialogOpens([&](HWND main) {
        dialogWindow = main;
        WhenDialogOpens(
            [&](HWND box) {
                owner = GetWindow(box, GW_OWNER);
                caption = Caption(box);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            },
            main);
        EXPECT_EQ(dialog.MessageBox("Text", "Caption", MB_OK), IDOK);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(caption, "Caption");
    EXPECT_EQ(owner, dialogWindow);
}

// The shell is asked for real: a file that is not there cannot be opened.
TEST_F(RealDialogsTest, TheShellReportsAFileItCannotOpen) {
    EXPECT_LE(AfxShellExecute(nullptr, "open", "no such file.htm", nullptr, nullptr, SW_HIDE), 32);
}

} // namespace

#include "support/ScenarioTest.h"

namespace {

class MainDialogTest : public ScenarioTest {};

TEST_F(MainDialogTest, OpensWithFocusInNotesAndAnEmptyList) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(drive::FocusedControl(dialog), IDC_NOTES);
        EXPECT_EQ(drive::ListColumnCount(dialog, IDC_ENTRYLIST), 9);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
    });
}

} // namespace

namespace {

TEST_F(MainDialogTest, SanityOfTheDriver) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "ABC");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "ABC");
        drive::Click(dialog, IDC_CLEAR);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "");
        EXPECT_TRUE(drive::ChooseSystemMenuItem(dialog, IDM_ABOUTBOX));
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        drive::Press(dialog, drive::Key::Escape);
        EXPECT_FALSE(drive::IsRunning(dialog));
    });
    EXPECT_EQ(m_modal.opened, (std::vector<UINT>{IDD_QUILLFOLIO_DIALOG, IDD_ABOUTBOX}));
}

} // namespace

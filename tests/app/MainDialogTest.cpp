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

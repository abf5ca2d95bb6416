// Only Windows tells its windows that the session ends (WM_ENDSESSION); the process is ended as
// soon as they have answered.
#include "portfolio/PortfolioTest.h"

#include "../../src/app/PortfolioApp.h"

namespace {

class SessionEndTest : public PortfolioTest {};

TEST_F(SessionEndTest, TheMainDialogClosesAndSavesWhenTheSessionEnds) {
    m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog& dialog) {
        InsertRow(static_cast<CPortfolioDialog&>(dialog), {"NEW", "1", "", "", "", "", "", "", ""});
        SendMessageA(dialog.m_hWnd, WM_ENDSESSION, TRUE, 0);
        EXPECT_NE(ReadFile("share.dat").find("TICKER=NEW"), std::string::npos);
        EXPECT_FALSE(drive::IsRunning(dialog));
    });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(SessionEndTest, ASessionThatGoesOnChangesNothing) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertRow(dialog, {"NEW", "1", "", "", "", "", "", "", ""});
        SendMessageA(dialog.m_hWnd, WM_ENDSESSION, FALSE, 0);
        EXPECT_TRUE(drive::IsRunning(dialog));
        EXPECT_EQ(ReadFile("share.dat"), "");
    });
}

} // namespace

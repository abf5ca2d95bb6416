// Start-up of the application: the socket start-up, the main dialog run, the application name.
#include "support/ScenarioTest.h"

#include "../../src/app/PortfolioApp.h"

#include <filesystem>

namespace {

class StartupTest : public ScenarioTest {};

TEST_F(StartupTest, TheApplicationIsNamedAfterItsExecutable) {
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(theApp.GetAppName(), "quillfolio_tests");
}

TEST_F(StartupTest, RunsTheMainDialogAsTheMainWindowAndThenEnds) {
    const CWnd* mainWindowDuringRun = nullptr;
    m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog& dialog) {
        mainWindowDuringRun = theApp.m_pMainWnd;
        EXPECT_EQ(mainWindowDuringRun, &dialog);
        drive::Click(dialog, IDOK);
    });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_NE(mainWindowDuringRun, nullptr);
    EXPECT_EQ(m_modal.opened, std::vector<UINT>{IDD_QUILLFOLIO_DIALOG});
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(StartupTest, FailedSocketStartupShowsTheMessageAndTouchesNothing) {
    SetSocketStartupFailsForTest(true);
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_TRUE(m_modal.opened.empty());
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Windows sockets initialization failed.");
    EXPECT_EQ(m_boxes.shown[0].caption, "quillfolio_tests");
    EXPECT_EQ(m_boxes.shown[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(m_boxes.shown[0].ownerTemplateId, 0u);
    EXPECT_TRUE(std::filesystem::is_empty(m_directory));
}

// F1 goes to the application's help handler, which opens the help file beside the executable.
TEST_F(StartupTest, F1WithoutAHelpFileSaysSo) {
    RunMainDialog([&](CPortfolioDialog& dialog) { drive::Press(dialog, drive::Key::F1); });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_NE(m_boxes.shown[0].text.find("quillfolio_tests.htm"), std::string::npos);
    EXPECT_EQ(m_boxes.shown[0].caption, "quillfolio_tests");
}

} // namespace

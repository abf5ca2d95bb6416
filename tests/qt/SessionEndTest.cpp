// Only the Qt backend can run this: it stops the program with a POSIX signal while a nested
// dialog is open, and waits in Qt's event loop for the dialogs to close.
#include "support/ScenarioTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>

namespace {

class SessionEndTest : public ScenarioTest {
protected:
    static void WaitWhileRunning(const CDialog& dialog) {
        QElapsedTimer waited;
        waited.start();
        while (drive::IsRunning(dialog) && waited.elapsed() < 10'000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
};

TEST_F(SessionEndTest, AStopSignalClosesTheDialogsAndTheListIsSaved) {
    bool dateDialogClosed = false;
    m_modal.On(IDD_DATESELECT, [&](CDialog& dateDialog) {
        std::raise(SIGTERM);
        WaitWhileRunning(dateDialog);
        dateDialogClosed = !drive::IsRunning(dateDialog);
    });
    bool mainDialogClosed = false;
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "KEPT");
        drive::Click(dialog, IDC_ADD);
        drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
        WaitWhileRunning(dialog);
        mainDialogClosed = !drive::IsRunning(dialog);
    });
    EXPECT_TRUE(dateDialogClosed);
    EXPECT_TRUE(mainDialogClosed);
    EXPECT_NE(ReadFile("share.dat").find("TICKER=KEPT\r\n"), std::string::npos);
}

} // namespace

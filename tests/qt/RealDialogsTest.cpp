// Only the Qt backend can run these: they find and answer the real Qt windows that the program
// shows when no test hook stands in for them.
#include "support/ScenarioTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

class RealDialogsTest : public ScenarioTest {
protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        SetMessageBoxHook({});
        SetModalHook({});
    }

    // Runs the action once the next modal window is up.
    static void WhenModalWindowOpens(std::function<void(QWidget&)> action) {
        QTimer::singleShot(0, [action] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                action(*window);
            } else {
                WhenModalWindowOpens(action);
            }
        });
    }
};

TEST_F(RealDialogsTest, TheRealModalLoopRunsUntilTheDialogEnds) {
    CPortfolioDialog dialog;
    WhenModalWindowOpens([](QWidget& window) { window.close(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(RealDialogsTest, AQuestionIsARealMessageBoxWithItsCaptionIconAndDefault) {
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool yesIsDefault = false;
    WhenModalWindowOpens([&](QWidget& window) {
        auto& box = dynamic_cast<QMessageBox&>(window);
        text = box.text();
        caption = box.windowTitle();
        icon = box.icon();
        yesIsDefault = box.defaultButton() == box.button(QMessageBox::Yes);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(AfxMessageBox("Line one.\r\nLine <b>two</b>?", MB_YESNO | MB_ICONEXCLAMATION), IDNO);
    EXPECT_EQ(text, "Line one.\nLine <b>two</b>?");
    EXPECT_EQ(caption, QString::fromStdString(AfxGetApp()->GetAppName()));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(yesIsDefault);
}

TEST_F(RealDialogsTest, ABoxOwnedByTheDialogHasNoIconUnlessAsked) {
    QMessageBox::Icon icon = QMessageBox::Warning;
    QWidget* owner = nullptr;
    QString caption;
    CPortfolioDialog dialog;
    m_modal.On(IDD_QUILLFOLIO_DIALOG, [](CDialog&) {});
    SetModalHook([&](CDialog& running) {
        WhenModalWindowOpens([&](QWidget& window) {
            auto& box = dynamic_cast<QMessageBox&>(window);
            icon = box.icon();
            owner = box.parentWidget();
            caption = box.windowTitle();
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(running.MessageBox("Text", "Caption", MB_OK), IDOK);
        running.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(caption, "Caption");
    EXPECT_NE(owner, nullptr);
}

} // namespace

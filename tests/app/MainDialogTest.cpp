// The main dialog as a person meets it: layout, focus, keyboard, ending, the About item, icon.
#include "support/ScenarioTest.h"

#include "../../src/classlib/Resources.h"

namespace {

class MainDialogTest : public ScenarioTest {};

TEST_F(MainDialogTest, OpensWithFocusInNotesNineColumnsAndNoEntries) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(drive::FocusedControl(dialog), IDC_NOTES);
        ASSERT_EQ(drive::ListColumnCount(dialog, IDC_ENTRYLIST), 9);
        const std::vector<std::string> headings = {
            "Ticker",       "Shares",     "Purchase Price", "Purchase Date", "Current Price",
            "Current Date", "Sale Price", "Sale Date",      "Notes"};
        for (int column = 0; column < 9; ++column) {
            EXPECT_EQ(drive::ListHeading(dialog, IDC_ENTRYLIST, column), headings[column]);
        }
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
        EXPECT_NE(drive::Caption(dialog).find("Quillfolio"), std::string::npos);
    });
}

// Every control sits where the template puts it, in dialog units scaled alike throughout.
TEST_F(MainDialogTest, LaysOutTheControlsInTheTemplatesProportions) {
    const DialogTemplate& layout = *FindDialogResource(IDD_QUILLFOLIO_DIALOG);
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const CRect client = drive::ClientRect(dialog);
        const double perUnitX = client.Width() / static_cast<double>(layout.cx);
        const double perUnitY = client.Height() / static_cast<double>(layout.cy);
        EXPECT_GT(perUnitX, 1.0);
        EXPECT_GT(perUnitY, 1.0);
        for (const ControlTemplate& control : layout.controls) {
            if (control.id == -1) {
                continue;
            }
            SCOPED_TRACE(control.id);
            const CRect rect = drive::ControlRect(dialog, control.id);
            EXPECT_NEAR(rect.left, control.x * perUnitX, 2.0);
            EXPECT_NEAR(rect.top, control.y * perUnitY, 2.0);
            EXPECT_NEAR(rect.Width(), control.cx * perUnitX, 2.0);
            EXPECT_NEAR(rect.Height(), control.cy * perUnitY, 2.0);
        }
    });
}

TEST_F(MainDialogTest, TabVisitsTheControlsInTemplateOrder) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const std::vector<int> expected = {IDC_NOTES,
                                           IDC_TICKER,
                                           IDC_QUOTE,
                                           IDC_PURCHASEPRICE,
                                           IDC_CURRENTPRICE,
                                           IDC_SALEPRICE,
                                           IDC_NUMBEROFSHARES,
                                           IDC_PURCHASEDATE,
                                           IDC_SELECT_PURCHASEDATE,
                                           IDC_CURRENTDATE,
                                           IDC_SELECT_CURRENTDATE,
                                           IDC_SALEDATE,
                                           IDC_SELECT_SALEDATE,
                                           IDC_ENTRYLIST,
                                           IDOK,
                                           IDC_CLEAR,
                                           IDC_ADD,
                                           IDC_UPDATE,
                                           IDC_REMOVE,
                                           IDC_HELPBUTTON,
                                           IDC_ENTRYCOUNT,
                                           IDC_REPORT};
        EXPECT_EQ(drive::TabOrder(dialog), expected);
    });
}

TEST_F(MainDialogTest, TheCountAndTheDateFieldsCannotBeTypedInto) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (const int id : {IDC_ENTRYCOUNT, IDC_PURCHASEDATE, IDC_CURRENTDATE, IDC_SALEDATE}) {
            SCOPED_TRACE(id);
            const std::string before = dialog.GetDlgItemText(id);
            drive::Type(dialog, id, "2024-01-01");
            EXPECT_TRUE(drive::IsReadOnly(dialog, id));
            EXPECT_EQ(dialog.GetDlgItemText(id), before);
        }
        for (const int id : {IDC_TICKER, IDC_NOTES, IDC_NUMBEROFSHARES, IDC_PURCHASEPRICE,
                             IDC_CURRENTPRICE, IDC_SALEPRICE}) {
            EXPECT_FALSE(drive::IsReadOnly(dialog, id)) << id;
        }
    });
}

// Enter in any edit presses Quit, the default button; Escape and the close box cancel.
TEST_F(MainDialogTest, EndsByQuitEnterEscapeOrTheCloseBox) {
    struct Case {
        const char* name;
        std::function<void(CPortfolioDialog&)> end;
        INT_PTR result;
    };
    const Case cases[] = {
        {"Quit", [](CPortfolioDialog& d) { drive::Click(d, IDOK); }, IDOK},
        {"Escape", [](CPortfolioDialog& d) { drive::Press(d, drive::Key::Escape); }, IDCANCEL},
        {"close box", [](CPortfolioDialog& d) { drive::CloseBox(d); }, IDCANCEL},
        {"Close on the system menu",
         [](CPortfolioDialog& d) { drive::ChooseSystemMenuItem(d, SC_CLOSE); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPortfolioDialog dialog;
        bool endedInside = false;
        m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog&) {
            c.end(dialog);
            endedInside = !drive::IsRunning(dialog);
        });
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_TRUE(endedInside);
    }
    for (const int edit :
         {IDC_NOTES, IDC_TICKER, IDC_PURCHASEPRICE, IDC_CURRENTPRICE, IDC_SALEPRICE,
          IDC_NUMBEROFSHARES, IDC_PURCHASEDATE, IDC_CURRENTDATE, IDC_SALEDATE, IDC_ENTRYCOUNT}) {
        SCOPED_TRACE(edit);
        CPortfolioDialog dialog;
        bool endedInside = false;
        m_modal.On(IDD_QUILLFOLIO_DIALOG, [&](CDialog&) {
            drive::Focus(dialog, edit);
            drive::Press(dialog, drive::Key::Enter);
            endedInside = !drive::IsRunning(dialog);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(endedInside);
    }
}

TEST_F(MainDialogTest, EnterOnAFocusedButtonPressesThatButton) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "ABC");
        drive::Focus(dialog, IDC_CLEAR);
        drive::Press(dialog, drive::Key::Enter);
        EXPECT_TRUE(drive::IsRunning(dialog));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "");
    });
}

TEST_F(MainDialogTest, SystemMenuEndsWithTheAboutItem) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const std::vector<std::string> items = drive::SystemMenuItems(dialog);
        ASSERT_GE(items.size(), 2u);
        EXPECT_EQ(items[items.size() - 2], "");
        EXPECT_EQ(items.back(), "&About Quillfolio...");
        EXPECT_TRUE(drive::ChooseSystemMenuItem(dialog, IDM_ABOUTBOX));
        EXPECT_TRUE(drive::IsRunning(dialog));
    });
    EXPECT_EQ(m_modal.opened, (std::vector<UINT>{IDD_QUILLFOLIO_DIALOG, IDD_ABOUTBOX}));
}

TEST_F(MainDialogTest, AltSpaceOpensTheSystemMenuFromTheKeyboard) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_TRUE(
            drive::ChooseSystemMenuItem(dialog, IDM_ABOUTBOX, drive::MenuOpening::AltSpace));
    });
    EXPECT_EQ(m_modal.opened, (std::vector<UINT>{IDD_QUILLFOLIO_DIALOG, IDD_ABOUTBOX}));
}

// Any command id whose upper bits name the About command opens the box; others do not.
TEST_F(MainDialogTest, AboutCommandIsRecognisedWithItsLowFourBitsMasked) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (UINT id = 0; id < 48; ++id) {
            dialog.SendMessage(WM_SYSCOMMAND, id, 0);
        }
        EXPECT_TRUE(drive::IsRunning(dialog));
    });
    std::vector<UINT> expected = {IDD_QUILLFOLIO_DIALOG};
    expected.insert(expected.end(), 16, IDD_ABOUTBOX);
    EXPECT_EQ(m_modal.opened, expected);
}

TEST_F(MainDialogTest, AboutBoxShowsTheProductAndEndsEveryWay) {
    const std::function<void(CDialog&)> endings[] = {
        [](CDialog& about) { drive::Click(about, IDOK); },
        [](CDialog& about) { drive::Press(about, drive::Key::Enter); },
        [](CDialog& about) { drive::Press(about, drive::Key::Escape); },
        [](CDialog& about) { drive::CloseBox(about); },
    };
    for (const auto& end : endings) {
        bool ended = false;
        m_modal.On(IDD_ABOUTBOX, [&](CDialog& about) {
            EXPECT_EQ(drive::Caption(about), "About Quillfolio");
            EXPECT_EQ(drive::FocusedControl(about), IDOK);
            end(about);
            ended = !drive::IsRunning(about);
        });
        RunMainDialog(
            [&](CPortfolioDialog& dialog) { dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0); });
        EXPECT_TRUE(ended);
    }
}

TEST_F(MainDialogTest, AnswersTheDragIconQueryWithItsIcon) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON),
                  reinterpret_cast<LRESULT>(AfxGetApp()->LoadIcon(IDR_MAINFRAME)));
    });
}

} // namespace

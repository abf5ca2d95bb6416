#include "EditingTest.h"

#include "../../src/classlib/WinApp.h"

#include <filesystem>

namespace {

class AddUpdateRemoveTest : public EditingTest {
protected:
    static inline const TypedEntry kIbm{"IBM", "100", "12.50", "13.10", "", "first lot"};
    static inline const TypedEntry kSap{"SAP", "20", "98.00", "101.25", "120", "long term"};
    static inline const TypedEntry kBhp{"BHP", "7", "31", "30", "29", ""};

    static const char* const kDuplicateQuestion;

    void Add(CDialog& dialog, const TypedEntry& entry) {
        TypeEntry(dialog, entry);
        drive::Click(dialog, IDC_ADD);
    }
};

const char* const AddUpdateRemoveTest::kDuplicateQuestion =
    "This entry is already in the list.\r\nDo you really want to add this item?";

TEST_F(AddUpdateRemoveTest, AddOnAnEmptyListAsksNothingAndKeepsTheForm) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        TypeEntry(dialog, kIbm);
        const Texts typed = Form(dialog);
        drive::Click(dialog, IDC_ADD);
        EXPECT_EQ(Rows(dialog), std::vector<Texts>{typed});
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "1");
        EXPECT_EQ(Form(dialog), typed);
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), -1);
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, AddPutsTheNewEntryOnTop) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        const Texts ibm = Form(dialog);
        Add(dialog, kSap);
        const Texts sap = Form(dialog);
        Add(dialog, kBhp);
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{Form(dialog), sap, ibm}));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "3");
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, AddOfAListedEntryAsksThroughTheApplication) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        m_boxes.Answer(IDNO);
        drive::Click(dialog, IDC_ADD);
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    const MessageBoxCall& question = m_boxes.shown[0];
    EXPECT_EQ(question.text, kDuplicateQuestion);
    EXPECT_EQ(question.caption, AfxGetApp()->GetAppName());
    EXPECT_FALSE(question.caption.empty());
    EXPECT_EQ(question.type, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON1);
    EXPECT_EQ(question.ownerTemplateId, 0u);
}

TEST_F(AddUpdateRemoveTest, NoToTheQuestionLeavesTheListAsItWas) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        Add(dialog, kSap);
        const std::vector<Texts> before = Rows(dialog);
        TypeEntry(dialog, kIbm);
        const Texts typed = Form(dialog);
        m_boxes.Answer(IDNO);
        drive::Click(dialog, IDC_ADD);
        EXPECT_EQ(Rows(dialog), before);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
        EXPECT_EQ(Form(dialog), typed);
    });
    EXPECT_EQ(m_boxes.shown.size(), 1u);
}

TEST_F(AddUpdateRemoveTest, YesToTheQuestionAddsASecondRowOnTop) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        const Texts ibm = Form(dialog);
        Add(dialog, kSap);
        const Texts sap = Form(dialog);
        TypeEntry(dialog, kIbm);
        m_boxes.Answer(IDYES);
        drive::Click(dialog, IDC_ADD);
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{ibm, sap, ibm}));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "3");
    });
    EXPECT_EQ(m_boxes.shown.size(), 1u);
}

// An entry is listed when a row has its ticker and its purchase price, byte for byte; the other
// fields do not count.
TEST_F(AddUpdateRemoveTest, TheDuplicateTestComparesTickerAndPurchasePriceExactly) {
    const struct {
        const char* what;
        TypedEntry entry;
        bool asks;
    } cases[] = {
        {"the same entry", kIbm, true},
        {"other shares, prices and notes",
         {"IBM", "5", "12.50", "99", "98", "second thoughts"},
         true},
        {"another purchase price", {"IBM", "100", "12.51", "13.10", "", "first lot"}, false},
        {"the ticker in other letter case",
         {"ibm", "100", "12.50", "13.10", "", "first lot"},
         false},
        {"the ticker with a trailing blank",
         {"IBM ", "100", "12.50", "13.10", "", "first lot"},
         false},
        {"the price written otherwise", {"IBM", "100", "12.5", "13.10", "", "first lot"}, false},
        {"an empty purchase price", {"IBM", "100", "", "13.10", "", "first lot"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_boxes.shown.clear();
        std::filesystem::remove("share.dat"); // each case starts from an empty list
        RunMainDialog([&](CPortfolioDialog& dialog) {
            Add(dialog, kSap);
            Add(dialog, kIbm);
            Add(dialog, kBhp);
            if (c.asks) {
                m_boxes.Answer(IDNO);
            }
            Add(dialog, c.entry);
            EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), c.asks ? 3 : 4);
        });
        EXPECT_EQ(m_boxes.shown.size(), c.asks ? 1u : 0u);
    }
}

TEST_F(AddUpdateRemoveTest, AnEmptyTickerIsRefusedWithTheErrorBox) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        const std::vector<Texts> before = Rows(dialog);
        TypeEntry(dialog, {"", "10", "1.00", "2.00", "3.00", "no ticker"});
        const Texts typed = Form(dialog);
        drive::Click(dialog, IDC_ADD);
        EXPECT_EQ(Rows(dialog), before);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "1");
        EXPECT_EQ(Form(dialog), typed);
    });
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    const MessageBoxCall& box = m_boxes.shown[0];
    EXPECT_EQ(box.text, "Course Name Blank.\r\nNo entry added.");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.type, MB_OK);
    EXPECT_EQ(box.ownerTemplateId, IDD_QUILLFOLIO_DIALOG);
}

TEST_F(AddUpdateRemoveTest, ATickerOfBlanksIsAddedAsItStands) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, {"  ", "1", "", "", "", ""});
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 1);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "  ");
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, UpdateAndRemoveWithoutASelectedRowChangeNothing) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        Add(dialog, kSap);
        const std::vector<Texts> before = Rows(dialog);
        TypeEntry(dialog, kBhp);
        const Texts typed = Form(dialog);
        drive::Click(dialog, IDC_UPDATE);
        EXPECT_EQ(Rows(dialog), before);
        drive::Click(dialog, IDC_REMOVE);
        EXPECT_EQ(Rows(dialog), before);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
        EXPECT_EQ(Form(dialog), typed);
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, UpdateRewritesAllNineColumnsOfTheSelectedRow) {
    m_modal.On(IDD_DATESELECT, [](CDialog& calendar) {
        drive::PickCalendarDay(calendar, IDC_CALENDAR, 2001, 2, 3);
        drive::Click(calendar, IDOK);
    });
    m_modal.On(IDD_DATESELECT, [](CDialog& calendar) {
        drive::PickCalendarDay(calendar, IDC_CALENDAR, 2002, 4, 5);
        drive::Click(calendar, IDOK);
    });
    m_modal.On(IDD_DATESELECT, [](CDialog& calendar) {
        drive::PickCalendarDay(calendar, IDC_CALENDAR, 2003, 6, 7);
        drive::Click(calendar, IDOK);
    });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        const Texts ibm = Form(dialog);
        Add(dialog, kSap);
        Add(dialog, kBhp);
        const Texts bhp = Form(dialog);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 1);
        // The new values are typed over the row's: the same ticker as another row, dates picked.
        TypeEntry(dialog, {"IBM", "1", "2", "3", "4", "rewritten"});
        drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
        drive::Click(dialog, IDC_SELECT_CURRENTDATE);
        drive::Click(dialog, IDC_SELECT_SALEDATE);
        const Texts typed = Form(dialog);
        EXPECT_EQ(typed, (Texts{"IBM", "1", "2", "2001-02-03", "3", "2002-04-05", "4", "2003-06-07",
                                "rewritten"}));
        drive::Click(dialog, IDC_UPDATE);
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{bhp, typed, ibm}));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "3");
        EXPECT_EQ(Form(dialog), typed);
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, UpdateWithAnEmptyTickerChangesNoRow) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        const std::vector<Texts> before = Rows(dialog);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        drive::Type(dialog, IDC_TICKER, "");
        drive::Type(dialog, IDC_NOTES, "changed");
        drive::Click(dialog, IDC_UPDATE);
        EXPECT_EQ(Rows(dialog), before);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), "changed");
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, RemoveTakesOutTheSelectedRowAndKeepsTheForm) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        const Texts ibm = Form(dialog);
        Add(dialog, kSap);
        const Texts sap = Form(dialog);
        Add(dialog, kBhp);
        const Texts bhp = Form(dialog);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 1);
        EXPECT_EQ(Form(dialog), sap);
        drive::Click(dialog, IDC_REMOVE);
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{bhp, ibm}));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
        EXPECT_EQ(Form(dialog), sap);
        // The removed row took the selection with it: Remove again deletes nothing.
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), -1);
        drive::Click(dialog, IDC_REMOVE);
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{bhp, ibm}));
        // And Add puts the removed entry back, on top.
        drive::Click(dialog, IDC_ADD);
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{sap, bhp, ibm}));
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(AddUpdateRemoveTest, RemoveOfTheOnlyRowLeavesAnEmptyListAndTheForm) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        const Texts shown = Form(dialog);
        drive::Click(dialog, IDC_REMOVE);
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
        EXPECT_EQ(Form(dialog), shown);
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

// The selection follows its row when Add inserts above it, so Update still rewrites that entry.
TEST_F(AddUpdateRemoveTest, UpdateAfterAddRewritesTheRowThatWasSelected) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        Add(dialog, kIbm);
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        Add(dialog, kSap);
        const Texts sap = Form(dialog);
        drive::Type(dialog, IDC_NOTES, "edited");
        drive::Click(dialog, IDC_UPDATE);
        Texts edited = sap;
        edited[8] = "edited";
        EXPECT_EQ(Rows(dialog), (std::vector<Texts>{sap, edited}));
    });
}

// Typing, Tab, Space and the arrow keys alone add, select, update and remove an entry.
TEST_F(AddUpdateRemoveTest, AllOfItWorksFromTheKeyboard) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        auto typeInto = [&](int id, const std::string& text) {
            ASSERT_TRUE(TabTo(dialog, id));
            drive::Type(dialog, drive::FocusedControl(dialog), text);
        };
        auto press = [&](int id) {
            ASSERT_TRUE(TabTo(dialog, id));
            drive::Press(dialog, drive::Key::Space);
        };
        ASSERT_EQ(drive::FocusedControl(dialog), IDC_NOTES);
        typeInto(IDC_NOTES, "by keyboard");
        typeInto(IDC_TICKER, "KEY");
        typeInto(IDC_PURCHASEPRICE, "1");
        press(IDC_ADD);
        typeInto(IDC_TICKER, "BRD");
        press(IDC_ADD);
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 2);

        ASSERT_TRUE(TabTo(dialog, IDC_ENTRYLIST));
        drive::Press(dialog, drive::Key::Down);
        drive::Press(dialog, drive::Key::Down);
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), 1);
        typeInto(IDC_NOTES, "updated");
        typeInto(IDC_TICKER, "KEY2");
        press(IDC_UPDATE);
        EXPECT_EQ(Row(dialog, 1), (Texts{"KEY2", "", "1", "", "", "", "", "", "updated"}));

        press(IDC_REMOVE);
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 1);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "BRD");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "1");
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

} // namespace

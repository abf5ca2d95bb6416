// The list and the form: inserting the form as the top row, copying a row into the form,
// clearing, the row click and the column widths.
#include "support/ScenarioTest.h"

#include <numeric>

namespace {

// The form's edits in list column order.
const int kFormOfColumn[9] = {IDC_TICKER,       IDC_NUMBEROFSHARES, IDC_PURCHASEPRICE,
                              IDC_PURCHASEDATE, IDC_CURRENTPRICE,   IDC_CURRENTDATE,
                              IDC_SALEPRICE,    IDC_SALEDATE,       IDC_NOTES};

class EntryListTest : public ScenarioTest {
protected:
    // Puts an entry into the form whose column c holds prefix + c, and inserts it on top.
    static void InsertEntry(CPortfolioDialog& dialog, const std::string& prefix) {
        for (int column = 0; column < 9; ++column) {
            dialog.SetDlgItemText(kFormOfColumn[column], prefix + std::to_string(column));
        }
        dialog.InsertFormAsTopRow();
    }

    static std::vector<std::string> FormTexts(const CPortfolioDialog& dialog) {
        std::vector<std::string> texts;
        for (const int id : kFormOfColumn) {
            texts.push_back(dialog.GetDlgItemText(id));
        }
        return texts;
    }

    static std::vector<std::string> Entry(const std::string& prefix) {
        std::vector<std::string> texts;
        for (int column = 0; column < 9; ++column) {
            texts.push_back(prefix + std::to_string(column));
        }
        return texts;
    }

    static std::vector<std::string> RowTexts(const CPortfolioDialog& dialog, int row) {
        std::vector<std::string> texts;
        for (int column = 0; column < 9; ++column) {
            texts.push_back(drive::ListCell(dialog, IDC_ENTRYLIST, row, column));
        }
        return texts;
    }

    static std::vector<std::string> Empty() { return std::vector<std::string>(9); }
};

TEST_F(EntryListTest, InsertPutsTheFormInColumnOrderOnTopAndKeepsTheForm) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        InsertEntry(dialog, "b");
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 2);
        EXPECT_EQ(RowTexts(dialog, 0), Entry("b"));
        EXPECT_EQ(RowTexts(dialog, 1), Entry("a"));
        EXPECT_EQ(FormTexts(dialog), Entry("b"));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
    });
}

// Only the empty ticker is refused; a ticker of blanks is a ticker. The count is refreshed
// either way, even over a count that was wrong.
TEST_F(EntryListTest, InsertRefusesOnlyTheEmptyTickerAndRefreshesTheCountEitherWay) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        dialog.SetDlgItemText(IDC_ENTRYCOUNT, "5");
        dialog.SetDlgItemText(IDC_NOTES, "notes without a ticker");
        dialog.InsertFormAsTopRow();
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "0");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_NOTES), "notes without a ticker");

        dialog.SetDlgItemText(IDC_TICKER, "   ");
        dialog.InsertFormAsTopRow();
        ASSERT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 1);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "   ");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 8), "notes without a ticker");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "1");
    });
    EXPECT_TRUE(m_boxes.shown.empty());
}

TEST_F(EntryListTest, CopyRowFillsTheWholeFormOverTypingAndKeepsTheCount) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        InsertEntry(dialog, "b");
        for (const int id : kFormOfColumn) {
            drive::Type(dialog, id, "typed");
        }
        dialog.CopyRowToForm(1);
        EXPECT_EQ(FormTexts(dialog), Entry("a"));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
    });
}

TEST_F(EntryListTest, CopyOfARowThatDoesNotExistEmptiesTheForm) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        for (const int row : {-1, 1, 1000}) {
            SCOPED_TRACE(row);
            dialog.CopyRowToForm(0);
            dialog.CopyRowToForm(row);
            EXPECT_EQ(FormTexts(dialog), Empty());
            EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "1");
        }
    });
}

TEST_F(EntryListTest, ClearEmptiesTheNineFieldsAndKeepsCountAndList) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        drive::Click(dialog, IDC_CLEAR);
        EXPECT_EQ(FormTexts(dialog), Empty());
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "1");
        EXPECT_EQ(RowTexts(dialog, 0), Entry("a"));
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), 0);
    });
}

TEST_F(EntryListTest, ClickingARowLoadsItOverUnsavedTyping) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        InsertEntry(dialog, "b");
        drive::Type(dialog, IDC_TICKER, "typed");
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 1);
        EXPECT_EQ(FormTexts(dialog), Entry("a"));
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        EXPECT_EQ(FormTexts(dialog), Entry("b"));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), "2");
    });
}

// The click loads the row of the selection mark, wherever in the list it lands.
TEST_F(EntryListTest, ClickOnTheEmptyAreaLoadsTheMarkedRowOrEmptiesTheFormWithoutAMark) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        InsertEntry(dialog, "b");
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        EXPECT_EQ(FormTexts(dialog), Empty());

        drive::ClickListRow(dialog, IDC_ENTRYLIST, 1);
        dialog.ClearForm();
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        EXPECT_EQ(FormTexts(dialog), Entry("a"));
    });
}

TEST_F(EntryListTest, ArrowKeysMoveTheMarkButOnlyAClickLoadsIt) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        InsertEntry(dialog, "b");
        InsertEntry(dialog, "c");
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        drive::Press(dialog, drive::Key::Down);
        drive::Press(dialog, drive::Key::Down);
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), 2);
        EXPECT_EQ(FormTexts(dialog), Entry("c"));
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        EXPECT_EQ(FormTexts(dialog), Entry("a"));
    });
}

TEST_F(EntryListTest, RightClickDoesNotLoadARow) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        dialog.ClearForm();
        drive::RightClickListRow(dialog, IDC_ENTRYLIST, 0);
        EXPECT_EQ(FormTexts(dialog), Empty());
    });
}

// The mark stays with its row when rows are inserted above it.
TEST_F(EntryListTest, TheMarkFollowsItsRowWhenRowsGoInAbove) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        InsertEntry(dialog, "a");
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        InsertEntry(dialog, "b");
        InsertEntry(dialog, "c");
        dialog.ClearForm();
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        EXPECT_EQ(FormTexts(dialog), Entry("a"));
    });
}

class ColumnWidthTest : public EntryListTest {
protected:
    static int TotalWidth(const CPortfolioDialog& dialog) {
        int total = 0;
        for (int column = 0; column < 9; ++column) {
            total += drive::ListColumnWidth(dialog, IDC_ENTRYLIST, column);
        }
        return total;
    }

    // wine's list view gives the last column only the rest of the list, which is nothing when
    // the other columns fill it, not the width of its header.
    static bool MayBeNarrowerThanItsHeader(int column) { return RunsUnderWine() && column == 8; }

    // No column is narrower than its header or its widest cell.
    static void ExpectEveryColumnFits(const CPortfolioDialog& dialog) {
        for (int column = 0; column < 9; ++column) {
            SCOPED_TRACE(column);
            const int width = drive::ListColumnWidth(dialog, IDC_ENTRYLIST, column);
            if (!MayBeNarrowerThanItsHeader(column)) {
                EXPECT_GE(width, drive::ListHeadingWidthNeeded(dialog, IDC_ENTRYLIST, column));
            }
            EXPECT_GE(width, drive::ListCellsWidthNeeded(dialog, IDC_ENTRYLIST, column));
        }
    }
};

// The nine headers are wider than the list together, so Notes has no room left to fill.
TEST_F(ColumnWidthTest, AnEmptyListHasColumnsAsWideAsTheirHeaders) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ExpectEveryColumnFits(dialog);
        // No wider than the header text and the margins the header draws around it.
        constexpr int kHeaderMargins = 24;
        for (int column = 0; column < 9; ++column) {
            if (!MayBeNarrowerThanItsHeader(column)) {
                EXPECT_LE(drive::ListColumnWidth(dialog, IDC_ENTRYLIST, column),
                          drive::ListHeadingWidthNeeded(dialog, IDC_ENTRYLIST, column) +
                              kHeaderMargins)
                    << column;
            }
        }
        EXPECT_GT(TotalWidth(dialog), drive::ListClientWidth(dialog, IDC_ENTRYLIST));
    });
}

TEST_F(ColumnWidthTest, ColumnsGrowWithTheirWidestCell) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        const int narrow = drive::ListColumnWidth(dialog, IDC_ENTRYLIST, 0);
        dialog.SetDlgItemText(IDC_TICKER, "A TICKER THAT IS MUCH WIDER THAN ITS HEADER");
        dialog.SetDlgItemText(IDC_NOTES, "short");
        dialog.InsertFormAsTopRow();
        ExpectEveryColumnFits(dialog);
        const int wide = drive::ListColumnWidth(dialog, IDC_ENTRYLIST, 0);
        EXPECT_GT(wide, narrow + 100);

        dialog.SetDlgItemText(IDC_TICKER, "B");
        dialog.SetDlgItemText(IDC_NOTES, std::string(60, 'n') + " notes beyond the right edge");
        dialog.InsertFormAsTopRow();
        ExpectEveryColumnFits(dialog);
        EXPECT_EQ(drive::ListColumnWidth(dialog, IDC_ENTRYLIST, 0), wide);

        dialog.CopyRowToForm(1);
        dialog.InsertFormAsTopRow();
        dialog.SetDlgItemText(IDC_TICKER, "C");
        dialog.InsertFormAsTopRow();
        EXPECT_EQ(drive::ListColumnWidth(dialog, IDC_ENTRYLIST, 0), wide);
    });
}

TEST_F(ColumnWidthTest, NonAsciiCellsAreMeasuredWhole) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        dialog.SetDlgItemText(IDC_TICKER,
                              "\xE6\xA0\xAA\xE5\xBC\x8F\xE4\xBC\x9A\xE7\xA4\xBE "
                              "\xC3\x9C\xC3\x9C\xC3\x9C\xC3\x9C \xE2\x82\xAC\xE2\x82\xAC");
        dialog.InsertFormAsTopRow();
        ExpectEveryColumnFits(dialog);
    });
}

} // namespace

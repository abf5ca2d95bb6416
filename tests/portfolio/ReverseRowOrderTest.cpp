#include "PortfolioTest.h"

namespace {

class ReverseRowOrderTest : public PortfolioTest, public testing::WithParamInterface<int> {
protected:
    // Rows "R1" to "Rn" from the top, each cell telling its row and column.
    static Rows Numbered(int rows) {
        Rows list;
        for (int row = 1; row <= rows; ++row) {
            Row cells;
            for (int column = 0; column < 9; ++column) {
                std::string cell = "R";
                cell += std::to_string(row);
                if (column > 0) {
                    cell += '.';
                    cell += std::to_string(column);
                }
                cells.push_back(cell);
            }
            list.push_back(cells);
        }
        return list;
    }
};

TEST_P(ReverseRowOrderTest, TurnsTheListUpsideDownAndBack) {
    const Rows rows = Numbered(GetParam());
    const Rows reversed(rows.rbegin(), rows.rend());
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            InsertRow(dialog, *row);
        }
        dialog.ClearForm();
        ASSERT_EQ(ListRows(dialog), rows);
        dialog.SetDlgItemText(IDC_ENTRYCOUNT, "99");

        dialog.ReverseRowOrder();
        EXPECT_EQ(ListRows(dialog), reversed);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_ENTRYCOUNT), std::to_string(rows.size()));
        EXPECT_TRUE(FormIsEmpty(dialog));

        dialog.ReverseRowOrder();
        EXPECT_EQ(ListRows(dialog), rows);
    });
}

INSTANTIATE_TEST_SUITE_P(RowCounts, ReverseRowOrderTest, testing::Values(0, 1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "Rows";
                         });

TEST_F(PortfolioTest, ReversingKeepsTheSelectionWhereItIs) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        for (const char* ticker : {"C", "B", "A"}) {
            InsertRow(dialog, {ticker, "", "", "", "", "", "", "", ""});
        }
        drive::ClickListRow(dialog, IDC_ENTRYLIST, 0);
        dialog.ReverseRowOrder();
        EXPECT_EQ(drive::ListSelectedRow(dialog, IDC_ENTRYLIST), 0);
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 0, 0), "C");
        EXPECT_EQ(drive::ListCell(dialog, IDC_ENTRYLIST, 1, 0), "B");
        // The click loads the row the selection mark names: still the top one.
        drive::ClickListRow(dialog, IDC_ENTRYLIST, -1);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "C");
    });
}

} // namespace

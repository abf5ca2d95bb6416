// The Qt list view's own rules, on a list of a few narrow columns that leave room to fill.
#include "../../src/classlib/qt/ListView.h"

#include <QApplication>
#include <QHeaderView>

#include <gtest/gtest.h>

namespace {

class ListViewTest : public testing::Test {
protected:
    ListViewTest() : m_list(nullptr, LVS_REPORT | LVS_SINGLESEL) {
        m_list.resize(600, 200);
        m_list.Model().InsertColumn(0, "A");
        m_list.Model().InsertColumn(1, "B");
        m_list.Model().InsertColumn(2, "Last");
    }

    int ClientWidth() const { return m_list.maximumViewportSize().width(); }

    ListView m_list;
};

TEST_F(ListViewTest, HeaderWidthOfTheLastColumnFillsTheRestOfTheList) {
    m_list.SetColumnWidth(0, 50);
    m_list.SetColumnWidth(1, 70);
    ASSERT_TRUE(m_list.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER));
    EXPECT_EQ(m_list.ColumnWidth(2), ClientWidth() - 120);

    m_list.SetColumnWidth(1, ClientWidth());
    m_list.SetColumnWidth(2, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(m_list.ColumnWidth(2), m_list.header()->sectionSizeHint(2));
}

TEST_F(ListViewTest, HeaderWidthOfOtherColumnsFitsTheHeaderText) {
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(m_list.ColumnWidth(0), m_list.header()->sectionSizeHint(0));
}

// The widest cell decides, also after it is overwritten or its row removed.
TEST_F(ListViewTest, CellWidthFollowsTheWidestCellThroughChanges) {
    ListModel& model = m_list.Model();
    model.InsertRow(0, "short");
    model.InsertRow(0, "a much longer cell text");
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    const int wide = m_list.ColumnWidth(0);
    model.SetCell(0, 0, "tiny");
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    const int narrow = m_list.ColumnWidth(0);
    EXPECT_LT(narrow, wide);
    model.SetCell(1, 0, "a much longer cell text");
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    EXPECT_EQ(m_list.ColumnWidth(0), wide);
    model.RemoveRow(1);
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    EXPECT_LT(m_list.ColumnWidth(0), narrow);
}

TEST_F(ListViewTest, AHugeCellIsCappedAtTheLargestColumnWidth) {
    m_list.Model().InsertRow(0, std::string(10'000'000, 'W'));
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    EXPECT_EQ(m_list.ColumnWidth(0), 0x7FFF);
}

TEST_F(ListViewTest, RowsAndCellsOutOfRangeAreRefused) {
    ListModel& model = m_list.Model();
    EXPECT_EQ(model.InsertRow(-1, "x"), -1);
    EXPECT_EQ(model.InsertRow(7, "appended"), 0);
    EXPECT_FALSE(model.SetCell(1, 0, "x"));
    EXPECT_FALSE(model.SetCell(0, 3, "x"));
    EXPECT_FALSE(model.RemoveRow(1));
    EXPECT_EQ(model.Cell(0, 2), "");
    EXPECT_EQ(model.Cell(5, 0), "");
}

} // namespace

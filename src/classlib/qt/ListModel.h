// The rows of a list view: texts by row and column, and the width of every cell kept up to date,
// so that fitting a column to its widest cell never measures the whole list again.
#pragma once

#include <QAbstractTableModel>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

class ListModel : public QAbstractTableModel {
public:
    using TextMeasure = std::function<int(const std::string&)>;

    ListModel(QObject* parent, TextMeasure measure);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Each returns the index used, or -1 when the index is out of range.
    int InsertColumn(int column, const std::string& heading);
    int InsertRow(int row, const std::string& text);

    bool SetCell(int row, int column, const std::string& text);
    // The cell's text; empty for a cell that does not exist.
    std::string Cell(int row, int column) const;
    bool RemoveRow(int row);

    const std::string& Heading(int column) const;
    // The width of the column's widest cell text, 0 when every cell is empty.
    int WidestCell(int column) const;

private:
    struct CellData {
        std::string text;
        int width = 0;
    };

    void CountWidth(int column, int width, int change);

    TextMeasure m_measure;
    std::vector<std::string> m_headings;
    std::deque<std::vector<CellData>> m_rows;
    // For each column: cell width to the number of cells of that width (empty cells left out).
    std::vector<std::map<int, int>> m_widthCounts;
};

#include "ListModel.h"

#include "TextConversion.h"

#include <algorithm>
#include <utility>

namespace {

// A cell shows no more than a column can hold; the whole text stays in the model.
constexpr std::size_t kShownBytes = 16 * 1024;

} // namespace

ListModel::ListModel(QObject* parent, TextMeasure measure)
    : QAbstractTableModel(parent), m_measure(std::move(measure)) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const std::vector<CellData>& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    if (column >= row.size()) {
        return QString();
    }
    const std::string& text = row[column].text;
    return text.size() <= kShownBytes ? ToQString(text) : ToQString(text.substr(0, kShownBytes));
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return ToQString(m_headings[static_cast<std::size_t>(section)]);
}

int ListModel::InsertColumn(int column, const std::string& heading) {
    if (column < 0) {
        return -1;
    }
    column = std::min(column, columnCount());
    beginInsertColumns({}, column, column);
    m_headings.insert(m_headings.begin() + column, heading);
    m_widthCounts.insert(m_widthCounts.begin() + column, std::map<int, int>());
    for (std::vector<CellData>& row : m_rows) {
        if (column < static_cast<int>(row.size())) {
            row.insert(row.begin() + column, CellData{});
        }
    }
    endInsertColumns();
    return column;
}

int ListModel::InsertRow(int row, const std::string& text) {
    if (row < 0 || columnCount() == 0) {
        return -1;
    }
    row = std::min(row, rowCount());
    beginInsertRows({}, row, row);
    const int width = text.empty() ? 0 : m_measure(text);
    // Every column at once: growing the row cell by cell costs more time and memory.
    std::vector<CellData> cells(static_cast<std::size_t>(columnCount()));
    cells.front() = CellData{text, width};
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    CountWidth(0, width, +1);
    endInsertRows();
    return row;
}

bool ListModel::SetCell(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return false;
    }
    std::vector<CellData>& cells = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<int>(cells.size()) <= column) {
        cells.resize(static_cast<std::size_t>(column) + 1);
    }
    CellData& cell = cells[static_cast<std::size_t>(column)];
    CountWidth(column, cell.width, -1);
    cell.text = text;
    cell.width = text.empty() ? 0 : m_measure(text);
    CountWidth(column, cell.width, +1);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
    return true;
}

std::string ListModel::Cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) {
        return {};
    }
    const std::vector<CellData>& cells = m_rows[static_cast<std::size_t>(row)];
    return column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)].text
                                                   : std::string();
}

bool ListModel::RemoveRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return false;
    }
    beginRemoveRows({}, row, row);
    const std::vector<CellData>& cells = m_rows[static_cast<std::size_t>(row)];
    for (std::size_t column = 0; column < cells.size(); ++column) {
        CountWidth(static_cast<int>(column), cells[column].width, -1);
    }
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    return true;
}

const std::string& ListModel::Heading(int column) const {
    return m_headings[static_cast<std::size_t>(column)];
}

int ListModel::WidestCell(int column) const {
    const std::map<int, int>& counts = m_widthCounts[static_cast<std::size_t>(column)];
    return counts.empty() ? 0 : counts.rbegin()->first;
}

void ListModel::CountWidth(int column, int width, int change) {
    if (width <= 0) {
        return;
    }
    std::map<int, int>& counts = m_widthCounts[static_cast<std::size_t>(column)];
    if ((counts[width] += change) == 0) {
        counts.erase(width);
    }
}

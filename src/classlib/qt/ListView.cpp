#include "ListView.h"

#include "TextConversion.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// Column widths travel as 16-bit values.
constexpr int kMaxColumnWidth = 0x7FFF;

int ClampWidth(double width) {
    return static_cast<int>(std::min<double>(std::ceil(width), kMaxColumnWidth));
}

} // namespace

ListView::ListView(QWidget* parent, DWORD style)
    : QTreeView(parent),
      m_model(nullptr, [this](const std::string& text) { return MeasureCellText(text); }) {
    QFont unkerned = font();
    unkerned.setKerning(false);
    setFont(unkerned);
    const QFontMetricsF metrics(unkerned);
    for (int c = 32; c < 127; ++c) {
        m_asciiAdvance[c] = metrics.horizontalAdvance(QChar(c));
    }

    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode((style & LVS_SINGLESEL) != 0 ? SingleSelection : ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setMinimumSectionSize(0);
    header()->setDefaultSectionSize(0);

    // The selection is not shown while the list has no focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Inactive, QPalette::Base));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Inactive, QPalette::Text));
    setPalette(colours);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) {
                if (!selected.isEmpty()) {
                    m_selectionMark = selected.indexes().first().row();
                }
            });
    connect(&m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { FollowRowsInserted(first, last); });
    connect(&m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { FollowRowsRemoved(first, last); });
}

void ListView::SetExtendedStyle(DWORD style) { m_extendedStyle = style; }

bool ListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= m_model.columnCount()) {
        return false;
    }
    if (width == LVSCW_AUTOSIZE) {
        width = WidthFittingCells(column);
    } else if (width == LVSCW_AUTOSIZE_USEHEADER) {
        width = WidthFittingHeader(column);
    }
    header()->resizeSection(column, std::clamp(width, 0, kMaxColumnWidth));
    return true;
}

int ListView::ColumnWidth(int column) const {
    return column >= 0 && column < m_model.columnCount() ? header()->sectionSize(column) : 0;
}

int ListView::WidthFittingCells(int column) const {
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return ClampWidth(m_model.WidestCell(column) + margins + 2);
}

int ListView::WidthFittingHeader(int column) const {
    int width = std::min(header()->sectionSizeHint(column), kMaxColumnWidth);
    if (column == m_model.columnCount() - 1) {
        int others = 0;
        for (int c = 0; c < column; ++c) {
            others += header()->sectionSize(c);
        }
        width = std::max(width, ClientWidthForColumns() - others);
    }
    return width;
}

// The list's client width, also before the list is first shown, without the vertical scroll
// bar when the rows need one.
int ListView::ClientWidthForColumns() const {
    const QSize client = maximumViewportSize();
    const int rowHeight =
        m_model.rowCount() > 0 ? std::max(sizeHintForRow(0), 1) : QFontMetrics(font()).height();
    const int rowsHeight = m_model.rowCount() * rowHeight;
    const bool needsScrollBar = rowsHeight > client.height() - header()->sizeHint().height();
    const int scrollBar =
        needsScrollBar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return std::max(client.width() - scrollBar, 0);
}

int ListView::MeasureCellText(const std::string& text) const {
    double width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte >= 127) {
            // Shaped text from here; widths past the limit all count as the limit.
            return ClampWidth(QFontMetricsF(font()).horizontalAdvance(
                ToQString(text.substr(0, std::min<std::size_t>(text.size(), 64 * 1024)))));
        }
        width += m_asciiAdvance[byte];
        if (width >= kMaxColumnWidth) {
            return kMaxColumnWidth;
        }
    }
    return ClampWidth(width);
}

// Taking the focus makes no row current: the first arrow key starts at the top row.
void ListView::focusInEvent(QFocusEvent* event) {
    const bool hadCurrentRow = currentIndex().isValid();
    QTreeView::focusInEvent(event);
    if (!hadCurrentRow) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void ListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_leftButtonDown = true;
    }
    // Without full-row selection only the item's own column selects its row.
    const QModelIndex index = indexAt(event->position().toPoint());
    if ((m_extendedStyle & LVS_EX_FULLROWSELECT) == 0 && index.isValid() && index.column() != 0) {
        selectionModel()->clearSelection();
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_leftButtonDown) {
        m_leftButtonDown = false;
        if (m_onClick) {
            m_onClick();
        }
    }
}

// A removed row takes the selection with it; the view would otherwise select a neighbour.
void ListView::rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) {
    const int mark = m_selectionMark;
    QTreeView::rowsAboutToBeRemoved(parent, first, last);
    m_selectionMark = mark;
    if (mark >= first && mark <= last) {
        selectionModel()->clearSelection();
    }
}

void ListView::FollowRowsInserted(int first, int last) {
    if (m_selectionMark >= first) {
        m_selectionMark += last - first + 1;
    }
}

void ListView::FollowRowsRemoved(int first, int last) {
    if (m_selectionMark >= first && m_selectionMark <= last) {
        m_selectionMark = -1;
    } else if (m_selectionMark > last) {
        m_selectionMark -= last - first + 1;
    }
}

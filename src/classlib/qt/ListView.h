// The report-style list view control: one row per item, single or multiple selection, the
// selection mark, the click notification and the column auto-sizing rules.
#pragma once

#include "ListModel.h"

#include "../WinDefs.h"

#include <QTreeView>

#include <functional>

class ListView : public QTreeView {
public:
    ListView(QWidget* parent, DWORD style);

    // Runs after a left click anywhere in the list has updated the selection.
    void SetClickHandler(std::function<void()> onClick) { m_onClick = std::move(onClick); }

    ListModel& Model() { return m_model; }
    const ListModel& Model() const { return m_model; }

    int SelectionMark() const { return m_selectionMark; }
    DWORD ExtendedStyle() const { return m_extendedStyle; }
    void SetExtendedStyle(DWORD style);

    // Pixels, or LVSCW_AUTOSIZE / LVSCW_AUTOSIZE_USEHEADER.
    bool SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;

    // The widths the two auto-size values give.
    int WidthFittingCells(int column) const;
    int WidthFittingHeader(int column) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) override;

private:
    int MeasureCellText(const std::string& text) const;
    int ClientWidthForColumns() const;
    void FollowRowsInserted(int first, int last);
    void FollowRowsRemoved(int first, int last);

    ListModel m_model;
    std::function<void()> m_onClick;
    DWORD m_extendedStyle = 0;
    int m_selectionMark = -1;
    bool m_leftButtonDown = false;
    // Advance of each printable ASCII character, so that plain text is measured without shaping.
    double m_asciiAdvance[128] = {};
};

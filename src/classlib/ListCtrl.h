// The report-style list view: rows of texts under column headers, with a selection mark.
#pragma once

#include "Window.h"

#include <string>

class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const;
};

class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT);
    // Width in pixels, or LVSCW_AUTOSIZE (fit the widest cell) or LVSCW_AUTOSIZE_USEHEADER (fit
    // the header; the last column fills the rest of the list).
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    // Replaces every extended style bit.
    DWORD SetExtendedStyle(DWORD style);
    // The header control, or nullptr when the list has none.
    CHeaderCtrl* GetHeaderCtrl();

    // A new row at the index with the text in column 0; the index it got, or -1.
    int InsertItem(int item, const std::string& text);
    BOOL SetItemText(int item, int subItem, const std::string& text);
    // The whole text of the cell; empty for a cell that does not exist.
    std::string GetItemText(int item, int subItem) const;
    BOOL DeleteItem(int item);
    int GetItemCount() const;
    // The row the person last selected, or -1.
    int GetSelectionMark() const;

private:
    CHeaderCtrl m_header;
};

// CListCtrl and CHeaderCtrl on Qt's list view.
#include "../ListCtrl.h"
#include "Handles.h"
#include "ListView.h"

#include <QHeaderView>

namespace {

ListView* ViewOf(const CListCtrl& list) { return dynamic_cast<ListView*>(WidgetOf(list.m_hWnd)); }

} // namespace

int CHeaderCtrl::GetItemCount() const {
    const auto* header = dynamic_cast<const QHeaderView*>(WidgetOf(m_hWnd));
    return header != nullptr ? header->count() : 0;
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int) {
    ListView* view = ViewOf(*this);
    return view != nullptr ? view->Model().InsertColumn(column, heading) : -1;
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    ListView* view = ViewOf(*this);
    return view != nullptr && view->SetColumnWidth(column, width);
}

int CListCtrl::GetColumnWidth(int column) const {
    const ListView* view = ViewOf(*this);
    return view != nullptr ? view->ColumnWidth(column) : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    ListView* view = ViewOf(*this);
    if (view == nullptr) {
        return 0;
    }
    const DWORD previous = view->ExtendedStyle();
    view->SetExtendedStyle(style);
    return previous;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() {
    ListView* view = ViewOf(*this);
    if (view == nullptr || view->header() == nullptr) {
        return nullptr;
    }
    m_header.m_hWnd = HandleOf(view->header());
    return &m_header;
}

int CListCtrl::InsertItem(int item, const std::string& text) {
    ListView* view = ViewOf(*this);
    return view != nullptr ? view->Model().InsertRow(item, text) : -1;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text) {
    ListView* view = ViewOf(*this);
    return view != nullptr && view->Model().SetCell(item, subItem, text);
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    const ListView* view = ViewOf(*this);
    return view != nullptr ? view->Model().Cell(item, subItem) : std::string();
}

BOOL CListCtrl::DeleteItem(int item) {
    ListView* view = ViewOf(*this);
    return view != nullptr && view->Model().RemoveRow(item);
}

int CListCtrl::GetItemCount() const {
    const ListView* view = ViewOf(*this);
    return view != nullptr ? view->Model().rowCount() : 0;
}

int CListCtrl::GetSelectionMark() const {
    const ListView* view = ViewOf(*this);
    return view != nullptr ? view->SelectionMark() : -1;
}

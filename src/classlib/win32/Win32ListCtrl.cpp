// CListCtrl and CHeaderCtrl on the common controls' list view, "SysListView32".
#include "../ListCtrl.h"
#include "DialogWindow.h"

#include <vector>

namespace {

// The cell's text as the control holds it, whole: fetched into a buffer of 256 characters that
// is doubled for as long as the text fills it.
std::string FetchItemText(HWND list, int item, int subItem) {
    std::vector<char> buffer(256);
    for (;;) {
        LVITEMA cell{};
        cell.iSubItem = subItem;
        cell.pszText = buffer.data();
        cell.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<std::size_t>(SendMessageA(
            list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)));
        if (length + 1 < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Rows holding a text kept aside carry a key as their item data; other rows carry 0.
LPARAM RowKey(HWND list, int item) {
    LVITEMA row{};
    row.mask = LVIF_PARAM;
    row.iItem = item;
    return SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&row)) ? row.lParam : 0;
}

TextsKeptAside* KeptTextsOf(HWND list) {
    DialogWindow* dialog = DialogWindow::Of(GetParent(list));
    return dialog != nullptr ? &dialog->KeptTexts() : nullptr;
}

// After a cell was set: a text the control gives back otherwise is kept aside for it.
void KeepUnlessHeldExactly(HWND list, int item, int subItem, const std::string& text) {
    TextsKeptAside* kept = KeptTextsOf(list);
    if (kept == nullptr) {
        return;
    }
    LPARAM key = RowKey(list, item);
    if (FetchItemText(list, item, subItem) == text) {
        if (const auto row = kept->listCells.find(key); key != 0 && row != kept->listCells.end()) {
            row->second.erase(subItem);
        }
        return;
    }
    if (key == 0) {
        key = kept->nextRowKey++;
        LVITEMA row{};
        row.mask = LVIF_PARAM;
        row.iItem = item;
        row.lParam = key;
        SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&row));
    }
    kept->listCells[key][subItem] = text;
}

} // namespace

int CHeaderCtrl::GetItemCount() const {
    return static_cast<int>(SendMessageA(m_hWnd, HDM_GETITEMCOUNT, 0, 0));
}

int CListCtrl::InsertColumn(int column, const std::string& heading, int format) {
    LVCOLUMNA header{};
    header.mask = LVCF_FMT | LVCF_TEXT;
    header.fmt = format;
    header.pszText = const_cast<char*>(heading.c_str());
    return static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                         reinterpret_cast<LPARAM>(&header)));
}

// Widths travel as 16-bit values, the two auto-size values as 0xFFFF and 0xFFFE.
BOOL CListCtrl::SetColumnWidth(int column, int width) {
    return static_cast<BOOL>(SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                                          MAKELPARAM(static_cast<WORD>(width & 0xFFFF), 0)));
}

int CListCtrl::GetColumnWidth(int column) const {
    return static_cast<int>(
        SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

// The header is the list's child window with id 0.
CHeaderCtrl* CListCtrl::GetHeaderCtrl() {
    const HWND header = m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, 0) : nullptr;
    if (header == nullptr) {
        return nullptr;
    }
    m_header.m_hWnd = header;
    return &m_header;
}

int CListCtrl::InsertItem(int item, const std::string& text) {
    LVITEMA row{};
    row.mask = LVIF_TEXT | LVIF_IMAGE;
    row.iItem = item;
    row.pszText = const_cast<char*>(text.c_str());
    const int inserted =
        static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    if (inserted >= 0) {
        KeepUnlessHeldExactly(m_hWnd, inserted, 0, text);
    }
    return inserted;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text) {
    LVITEMA cell{};
    cell.iSubItem = subItem;
    cell.pszText = const_cast<char*>(text.c_str());
    const BOOL set = static_cast<BOOL>(SendMessageA(
        m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)));
    if (set) {
        KeepUnlessHeldExactly(m_hWnd, item, subItem, text);
    }
    return set;
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    if (const LPARAM key = RowKey(m_hWnd, item); key != 0) {
        if (const TextsKeptAside* kept = KeptTextsOf(m_hWnd)) {
            if (const auto row = kept->listCells.find(key); row != kept->listCells.end()) {
                if (const auto cell = row->second.find(subItem); cell != row->second.end()) {
                    return cell->second;
                }
            }
        }
    }
    return FetchItemText(m_hWnd, item, subItem);
}

// A removed row takes the selection mark with it: the list would hand the mark to the row that
// moves up, unselected, and the next Remove would delete that one.
BOOL CListCtrl::DeleteItem(int item) {
    const LPARAM key = RowKey(m_hWnd, item);
    const bool marked = GetSelectionMark() == item;
    const BOOL deleted =
        static_cast<BOOL>(SendMessageA(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(item), 0));
    if (deleted && marked) {
        SendMessageA(m_hWnd, LVM_SETSELECTIONMARK, 0, -1);
    }
    if (deleted && key != 0) {
        if (TextsKeptAside* kept = KeptTextsOf(m_hWnd)) {
            kept->listCells.erase(key);
        }
    }
    return deleted;
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CListCtrl::GetSelectionMark() const {
    return static_cast<int>(SendMessageA(m_hWnd, LVM_GETSELECTIONMARK, 0, 0));
}

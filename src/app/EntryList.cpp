// The list of entries and the form: columns, sizing, and moving entries between the two.
#include "PortfolioDialog.h"

#include "ShareEntry.h"

#include <algorithm>
#include <array>

std::string& CPortfolioDialog::FormField(int column) {
    static constexpr std::array<std::string CPortfolioDialog::*, kShareColumnCount> fields = {
        &CPortfolioDialog::TICKER,        &CPortfolioDialog::NUMBEROFSHARES,
        &CPortfolioDialog::PURCHASEPRICE, &CPortfolioDialog::PURCHASEDATE,
        &CPortfolioDialog::CURRENTPRICE,  &CPortfolioDialog::CURRENTDATE,
        &CPortfolioDialog::SALEPRICE,     &CPortfolioDialog::SALEDATE,
        &CPortfolioDialog::NOTES,
    };
    return this->*fields[static_cast<std::size_t>(column)];
}

void CPortfolioDialog::SetUpColumns() {
    for (int column = 0; column < kShareColumnCount; ++column) {
        m_list.InsertColumn(column,
                            std::string(kShareColumnHeadings[static_cast<std::size_t>(column)]),
                            LVCFMT_LEFT);
    }
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    AutoSizeColumns();
}

// Each column as wide as its widest cell or its header, whichever is wider; the last column
// also fills the rest of the list.
void CPortfolioDialog::AutoSizeColumns() {
    CHeaderCtrl* header = m_list.GetHeaderCtrl();
    if (header == nullptr) {
        return;
    }
    m_list.SetRedraw(FALSE);
    const int columns = header->GetItemCount();
    for (int column = 0; column < columns; ++column) {
        m_list.SetColumnWidth(column, LVSCW_AUTOSIZE);
        const int cellsWidth = m_list.GetColumnWidth(column);
        m_list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
        const int headerWidth = m_list.GetColumnWidth(column);
        m_list.SetColumnWidth(column, std::max(cellsWidth, headerWidth));
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate(TRUE);
}

void CPortfolioDialog::InsertFormAsTopRow() {
    UpdateData(TRUE);
    RefreshEntryCount();
    if (TICKER.empty()) {
        return;
    }
    m_list.InsertItem(0, TICKER);
    for (int column = 1; column < kShareColumnCount; ++column) {
        m_list.SetItemText(0, column, FormField(column));
    }
    UpdateData(FALSE);
    AutoSizeColumns();
    RefreshEntryCount();
}

void CPortfolioDialog::CopyRowToForm(int row) {
    UpdateData(TRUE);
    for (int column = 0; column < kShareColumnCount; ++column) {
        FormField(column) = m_list.GetItemText(row, column);
    }
    UpdateData(FALSE);
}

void CPortfolioDialog::RefreshEntryCount() {
    m_entryCount = m_list.GetItemCount();
    UpdateData(FALSE);
}

void CPortfolioDialog::ClearForm() {
    UpdateData(TRUE);
    for (std::string* field : {&TICKER, &SALEPRICE, &SALEDATE, &PURCHASEPRICE, &PURCHASEDATE,
                               &CURRENTPRICE, &CURRENTDATE, &NOTES, &NUMBEROFSHARES}) {
        field->clear();
    }
    UpdateData(FALSE);
}

// A click anywhere in the list loads the row the person last selected.
void CPortfolioDialog::OnClickEntryList(NMHDR*, LRESULT* result) {
    CopyRowToForm(m_list.GetSelectionMark());
    *result = 0;
}

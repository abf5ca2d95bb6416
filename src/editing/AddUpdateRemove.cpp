// The Add, Update and Remove buttons: the form into a new top row, into the marked row, and the
// marked row out of the list.
#include "../app/PortfolioDialog.h"

#include "../app/ShareEntry.h"
#include "../classlib/WinApp.h"

void CPortfolioDialog::AddEntry() {
    UpdateData(TRUE);
    if (TICKER.empty()) {
        MessageBox("Course Name Blank.\r\nNo entry added.", "Error", MB_OK);
        return;
    }
    if (IsEntryListed() == 1 &&
        AfxMessageBox("This entry is already in the list.\r\nDo you really want to add this item?",
                      MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON1) != IDYES) {
        return;
    }
    m_list.InsertItem(0, TICKER);
    for (int column = 1; column < kShareColumnCount; ++column) {
        m_list.SetItemText(0, column, FormField(column));
    }
    AutoSizeColumns();
    RefreshEntryCount();
}

// An entry counts as listed when a row has its ticker and its purchase price: the same holding
// bought again at another price is a new entry, the same one added twice is not.
int CPortfolioDialog::IsEntryListed() {
    constexpr int kTickerColumn = 0;
    constexpr int kPurchasePriceColumn = 2;
    UpdateData(TRUE);
    m_entryCount = m_list.GetItemCount();
    for (int row = 0; row < m_entryCount; ++row) {
        if (m_list.GetItemText(row, kTickerColumn) == FormField(kTickerColumn) &&
            m_list.GetItemText(row, kPurchasePriceColumn) == FormField(kPurchasePriceColumn)) {
            return 1;
        }
    }
    return 0;
}

void CPortfolioDialog::UpdateEntry() {
    UpdateData(TRUE);
    const int row = m_list.GetSelectionMark();
    if (!TICKER.empty() && row != -1) {
        for (int column = 0; column < kShareColumnCount; ++column) {
            m_list.SetItemText(row, column, FormField(column));
        }
    }
    AutoSizeColumns();
}

void CPortfolioDialog::RemoveEntry() {
    const int row = m_list.GetSelectionMark();
    if (row != -1) {
        m_list.DeleteItem(row);
    }
    AutoSizeColumns();
    RefreshEntryCount();
}

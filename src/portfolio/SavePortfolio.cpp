// Saving the list to share.dat as the main dialog's window goes: the rows from the bottom of the
// list to its top, so that loading puts them back in the order shown.
#include "../app/PortfolioDialog.h"
#include "../classlib/SafeFile.h"
#include "ShareFile.h"

namespace {

std::vector<ShareEntry> RowsFromBottomToTop(const CListCtrl& list) {
    std::vector<ShareEntry> records(static_cast<std::size_t>(list.GetItemCount()));
    int row = list.GetItemCount();
    for (ShareEntry& record : records) {
        --row;
        for (int column = 0; column < kShareColumnCount; ++column) {
            record.*kShareColumnFields[static_cast<std::size_t>(column)] =
                list.GetItemText(row, column);
        }
    }
    return records;
}

} // namespace

void CPortfolioDialog::SavePortfolio() {
    UpdateData(TRUE);
    m_entryCount = m_list.GetItemCount();
    // Typing that was never added to the list is not kept.
    ClearForm();
    if (!m_keepPortfolioFile) {
        const std::string text = WriteShareRecords(RowsFromBottomToTop(m_list));
        if (!ReplaceTextFile(kPortfolioFileName, text)) {
            MessageBox("Save to File", "Error Writing File", MB_OK);
        }
    }
    ClearForm();
    UpdateData(FALSE);
}

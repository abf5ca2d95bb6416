// Loading share.dat as the main dialog opens: every stored entry becomes a row, the file's last
// entry on top.
#include "../app/PortfolioDialog.h"
#include "../classlib/TextFile.h"
#include "ShareFile.h"

namespace {

constexpr char kUnreadableFileText[] =
    "The portfolio file share.dat could not be read in full, so the list may be incomplete.\r\n"
    "share.dat will not be overwritten when the program closes, so that no entries are lost.";

// Each entry goes in above the ones before it, as the Add button puts it.
void InsertAsTopRows(CListCtrl& list, const std::vector<ShareEntry>& records) {
    for (const ShareEntry& record : records) {
        list.InsertItem(0, record.TICKER);
        for (int column = 1; column < kShareColumnCount; ++column) {
            list.SetItemText(0, column,
                             record.*kShareColumnFields[static_cast<std::size_t>(column)]);
        }
    }
}

} // namespace

void CPortfolioDialog::LoadPortfolio() {
    UpdateData(TRUE);
    // A missing file is created empty; only a file that is there and cannot be read is a fault.
    const TextFileContents file = ReadTextFile(kPortfolioFileName);
    const std::vector<ShareEntry> records = ReadShareRecords(file.text);
    if (!records.empty()) {
        InsertAsTopRows(m_list, records);
        AutoSizeColumns();
        RefreshEntryCount();
    }
    if (file.result == FileResult::OpenFailed || file.result == FileResult::ReadFailed) {
        m_keepPortfolioFile = true;
        MessageBox(kUnreadableFileText, "Error", MB_OK);
    }
    ClearForm();
    UpdateData(FALSE);
}

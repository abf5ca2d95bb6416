// Loading share.dat as the main dialog opens: every stored entry becomes a row, the file's last
// entry on top.
#include "../app/PortfolioDialog.h"
#include "../classlib/TextFile.h"
#include "ShareFile.h"

namespace {

constexpr char kUnreadableFileText[] =
    "The portfolio file share.dat could not be read in full, so the list may be incomplete.\r\n"
    "share.dat will not be overwritten when the program closes, so that no entries are lost.";

struct StoredEntries {
    FileResult result;
    ShareRecords records;

    // Only a file that is there and cannot be read whole is a fault; a missing one is not.
    bool ReadInFull() const {
        return result != FileResult::OpenFailed && result != FileResult::ReadFailed &&
               records.complete;
    }
};

// A missing file is created empty. The file's text goes as soon as it has become entries.
StoredEntries ReadPortfolioFile() {
    const TextFileContents file = ReadTextFile(kPortfolioFileName);
    return {file.result, ReadShareRecords(file.text)};
}

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
    const StoredEntries stored = ReadPortfolioFile();
    if (!stored.records.entries.empty()) {
        InsertAsTopRows(m_list, stored.records.entries);
        AutoSizeColumns();
        RefreshEntryCount();
    }
    if (!stored.ReadInFull()) {
        m_keepPortfolioFile = true;
        MessageBox(kUnreadableFileText, "Error", MB_OK);
    }
    ClearForm();
    UpdateData(FALSE);
}

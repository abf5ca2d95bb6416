// Entries put into the list through the form, and the form as it shows.
#pragma once

#include "../../src/app/ShareEntry.h"
#include "support/ScenarioTest.h"

#include <vector>

// The form control of each list column.
inline constexpr std::array<int, kShareColumnCount> kFormControlOfColumn = {
    IDC_TICKER,      IDC_NUMBEROFSHARES, IDC_PURCHASEPRICE, IDC_PURCHASEDATE, IDC_CURRENTPRICE,
    IDC_CURRENTDATE, IDC_SALEPRICE,      IDC_SALEDATE,      IDC_NOTES,
};

// Fills the list through the form, so that it shows the entries from top to bottom as given.
inline void ListEntries(CPortfolioDialog& dialog, const std::vector<ShareEntry>& topToBottom) {
    for (auto entry = topToBottom.rbegin(); entry != topToBottom.rend(); ++entry) {
        for (int column = 0; column < kShareColumnCount; ++column) {
            dialog.SetDlgItemText(kFormControlOfColumn[static_cast<std::size_t>(column)],
                                  (*entry).*kShareColumnFields[static_cast<std::size_t>(column)]);
        }
        dialog.InsertFormAsTopRow();
    }
}

// The form's nine fields as the controls show them.
inline ShareEntry FormShown(const CPortfolioDialog& dialog) {
    ShareEntry shown;
    for (int column = 0; column < kShareColumnCount; ++column) {
        shown.*kShareColumnFields[static_cast<std::size_t>(column)] =
            dialog.GetDlgItemText(kFormControlOfColumn[static_cast<std::size_t>(column)]);
    }
    return shown;
}

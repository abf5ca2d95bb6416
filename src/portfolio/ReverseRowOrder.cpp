// Turning the list upside down in place. Only the cell texts move, so each row position keeps
// its selection and focus, and reversing twice gives back the list as it was.
#include "../app/PortfolioDialog.h"
#include "../app/ShareEntry.h"

#include <array>

void CPortfolioDialog::ReverseRowOrder() {
    UpdateData(TRUE);
    const int rows = m_list.GetItemCount();
    m_entryCount = rows;
    for (int top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
        std::array<std::string, kShareColumnCount> bottomTexts;
        for (int column = 0; column < kShareColumnCount; ++column) {
            bottomTexts[static_cast<std::size_t>(column)] = m_list.GetItemText(bottom, column);
        }
        for (int column = 0; column < kShareColumnCount; ++column) {
            m_list.SetItemText(bottom, column, m_list.GetItemText(top, column));
        }
        for (int column = 0; column < kShareColumnCount; ++column) {
            m_list.SetItemText(top, column, bottomTexts[static_cast<std::size_t>(column)]);
        }
    }
    UpdateData(FALSE);
}

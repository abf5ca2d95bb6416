// The Help and Quote buttons: the manual and the quote page for the ticker in the form, opened by
// the desktop's web browser.
#include "../app/PortfolioDialog.h"

#include "WebAddresses.h"

#include "../classlib/Shell.h"

void CPortfolioDialog::OpenManualPage() {
    UpdateData(TRUE);
    AfxShellExecute(nullptr, "open", std::string(kManualPageAddress), nullptr, nullptr, SW_HIDE);
    UpdateData(FALSE);
}

// The ticker is the text the Ticker Symbol edit holds at the click.
void CPortfolioDialog::OpenQuotePage() {
    UpdateData(TRUE);
    AfxShellExecute(nullptr, "open", QuotePageAddress(TICKER), nullptr, nullptr, SW_HIDE);
    UpdateData(FALSE);
}

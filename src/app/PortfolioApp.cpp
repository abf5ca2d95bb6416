#include "PortfolioApp.h"

#include "PortfolioDialog.h"

#include "../portfolio/PortfolioFileClaim.h"
#include "../res/resource.h"

CPortfolioApp theApp;

const MessageMapEntry CPortfolioApp::messageEntries[] = {
    OnCommandEntry(ID_HELP, &CPortfolioApp::OnHelp),
};
const MessageMap CPortfolioApp::messageMap{&CWinApp::messageMap, messageEntries};

BOOL CPortfolioApp::InitInstance() {
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    // Held until the dialog has saved and gone.
    const std::unique_ptr<FileClaim> portfolioFile = ClaimPortfolioFile();
    if (!portfolioFile) {
        return FALSE;
    }
    CPortfolioDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

#include "PortfolioDialog.h"

#include "AboutDialog.h"
#include "PortfolioApp.h"

#include "../classlib/Resources.h"
#include "../res/resource.h"

const MessageMapEntry CPortfolioDialog::messageEntries[] = {
    OnSysCommandEntry(&CPortfolioDialog::OnSysCommand),
    OnMessageEntry(WM_PAINT, &CPortfolioDialog::OnPaint),
    OnQueryDragIconEntry(&CPortfolioDialog::OnQueryDragIcon),
    OnCommandEntry(IDC_HELPBUTTON, &CPortfolioDialog::OpenManualPage),
    OnCommandEntry(IDC_CLEAR, &CPortfolioDialog::ClearForm),
    OnCommandEntry(IDC_ADD, &CPortfolioDialog::WithFormExchange<&CPortfolioDialog::AddEntry>),
    OnCommandEntry(IDC_UPDATE, &CPortfolioDialog::WithFormExchange<&CPortfolioDialog::UpdateEntry>),
    OnCommandEntry(IDC_REMOVE, &CPortfolioDialog::WithFormExchange<&CPortfolioDialog::RemoveEntry>),
    OnMessageEntry(WM_DESTROY, &CPortfolioDialog::OnDestroy),
    OnCommandEntry(IDC_SELECT_PURCHASEDATE,
                   &CPortfolioDialog::OnSelectDate<&CPortfolioDialog::PURCHASEDATE>),
    OnCommandEntry(IDC_SELECT_CURRENTDATE,
                   &CPortfolioDialog::OnSelectDate<&CPortfolioDialog::CURRENTDATE>),
    OnCommandEntry(IDC_SELECT_SALEDATE,
                   &CPortfolioDialog::OnSelectDate<&CPortfolioDialog::SALEDATE>),
    OnNotifyEntry(NM_CLICK, IDC_ENTRYLIST, &CPortfolioDialog::OnClickEntryList),
    OnCommandEntry(IDC_REPORT, &CPortfolioDialog::WithFormExchange<&CPortfolioDialog::WriteReport>),
    OnCommandEntry(IDC_QUOTE, &CPortfolioDialog::OpenQuotePage),
};
const MessageMap CPortfolioDialog::messageMap{&CDialog::messageMap, messageEntries};

CPortfolioDialog::CPortfolioDialog(CWnd* parent)
    : CDialog(IDD_QUILLFOLIO_DIALOG, parent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

void CPortfolioDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ENTRYLIST, m_list);
    DDX_Text(pDX, IDC_TICKER, TICKER);
    DDX_Text(pDX, IDC_SALEPRICE, SALEPRICE);
    DDX_Text(pDX, IDC_SALEDATE, SALEDATE);
    DDX_Text(pDX, IDC_PURCHASEPRICE, PURCHASEPRICE);
    DDX_Text(pDX, IDC_PURCHASEDATE, PURCHASEDATE);
    DDX_Text(pDX, IDC_CURRENTPRICE, CURRENTPRICE);
    DDX_Text(pDX, IDC_CURRENTDATE, CURRENTDATE);
    DDX_Text(pDX, IDC_ENTRYCOUNT, m_entryCount);
    DDX_Text(pDX, IDC_NOTES, NOTES);
    DDX_Text(pDX, IDC_NUMBEROFSHARES, NUMBEROFSHARES);
}

BOOL CPortfolioDialog::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        const std::string aboutItem(FindStringResource(IDS_ABOUTBOX));
        if (!aboutItem.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutItem);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    SetUpColumns();
    LoadPortfolio();
    return TRUE;
}

void CPortfolioDialog::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDialog about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

// While minimised the dialog shows only its icon, centred.
void CPortfolioDialog::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - iconWidth + 1) / 2;
    const int y = (client.Height() - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CPortfolioDialog::OnQueryDragIcon() { return m_hIcon; }

void CPortfolioDialog::OnDestroy() {
    CDialog::OnDestroy();
    UpdateData(TRUE);
    SavePortfolio();
}

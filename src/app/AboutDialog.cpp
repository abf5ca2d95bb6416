#include "AboutDialog.h"

#include "../res/resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

void CAboutDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

const MessageMap* CAboutDialog::GetMessageMap() const {
    static constexpr MessageMap map{&CDialog::messageMap, {}};
    return &map;
}

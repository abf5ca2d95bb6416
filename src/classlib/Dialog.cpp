#include "Dialog.h"

const MessageMapEntry CDialog::messageEntries[] = {
    OnCommandEntry(IDOK, &CDialog::OnOK),
    OnCommandEntry(IDCANCEL, &CDialog::OnCancel),
};
const MessageMap CDialog::messageMap{&CCmdTarget::messageMap, messageEntries};

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

#include "DataExchange.h"

#include "Backend.h"
#include "WinApp.h"

#include <charconv>
#include <string>

namespace {

struct DataExchangeFailure {};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::optional<int> ParseDecimalInteger(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

void CDataExchange::Fail(int controlId) {
    PlatformFocusControl(*m_pDlgWnd, controlId);
    throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
        pDX->m_pDlgWnd->m_boundControls.push_back(&control);
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (pDX->m_bSaveAndValidate) {
        value = pDX->m_pDlgWnd->GetDlgItemText(id);
    } else {
        pDX->m_pDlgWnd->SetDlgItemText(id, value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(id, std::to_string(value));
        return;
    }
    const std::optional<int> parsed = ParseDecimalInteger(pDX->m_pDlgWnd->GetDlgItemText(id));
    if (!parsed) {
        AfxMessageBox("Please enter an integer.");
        pDX->Fail(id);
    }
    value = *parsed;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

// CDialog on Win32: the modal run of a DialogWindow, and the texts of its controls.
#include "../Backend.h"
#include "../WinApp.h"
#include "DialogWindow.h"
#include "WindowText.h"

namespace {

// A dialog given no parent is owned by the application's main window.
HWND OwnerWindow(const CDialog& dialog) {
    const CWnd* owner = DialogRunner::Parent(dialog);
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != &dialog) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    return owner != nullptr ? owner->m_hWnd : nullptr;
}

} // namespace

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogResource(m_templateId);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    DialogWindow window(*this);
    const INT_PTR result = window.RunModal(*dialogTemplate, OwnerWindow(*this));
    DialogRunner::ReleaseControls(*this);
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) {
    if (DialogWindow* window = DialogWindowOf(*this)) {
        window->End(result);
    }
}

HWND CDialog::GetDlgItem(int id) const {
    return m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, id) : nullptr;
}

// An edit that the person has not changed since it was set gives back the bytes it was set to.
std::string CDialog::GetDlgItemText(int id) const {
    const HWND control = GetDlgItem(id);
    if (control == nullptr) {
        return {};
    }
    DialogWindow* window = DialogWindowOf(*this);
    if (window != nullptr && IsEditControl(control) &&
        SendMessageA(control, EM_GETMODIFY, 0, 0) == 0) {
        const auto& kept = window->KeptTexts().edits;
        if (const auto found = kept.find(control); found != kept.end()) {
            return found->second;
        }
    }
    return WindowText(control);
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
    const HWND control = GetDlgItem(id);
    if (control == nullptr) {
        return;
    }
    SetWindowTextA(control, text.c_str());
    DialogWindow* window = DialogWindowOf(*this);
    if (window == nullptr || !IsEditControl(control)) {
        return;
    }
    SendMessageA(control, EM_SETMODIFY, FALSE, 0);
    auto& kept = window->KeptTexts().edits;
    if (WindowText(control) == text) {
        kept.erase(control);
    } else {
        kept[control] = text;
    }
}

void PlatformFocusControl(CDialog& dialog, int id) {
    if (const HWND control = dialog.GetDlgItem(id)) {
        SendMessageA(dialog.m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
}

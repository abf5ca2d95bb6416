// CDialog on Qt: the modal run of a DialogWindow, and the texts of its controls.
#include "../Backend.h"
#include "../TestHooks.h"
#include "../WinApp.h"
#include "ByteLineEdit.h"
#include "DialogWindow.h"
#include "Handles.h"
#include "TextConversion.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace {

// A dialog given no parent is owned by the application's main window.
QWidget* OwnerWindow(const CDialog& dialog) {
    const CWnd* owner = DialogRunner::Parent(dialog);
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != &dialog) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    return owner != nullptr ? WidgetOf(owner->m_hWnd) : nullptr;
}

void FocusFirstTabStop(DialogWindow& window) {
    if (!window.TabStops().empty()) {
        window.TabStops().front()->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogResource(m_templateId);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    DialogWindow window(*this, *dialogTemplate, OwnerWindow(*this));
    m_hWnd = HandleOf(&window);
    if (DialogRunner::InitDialog(*this)) {
        FocusFirstTabStop(window);
    }
    if (!window.HasEnded()) {
        if (ModalHook hook = GetModalHook()) {
            QTimer::singleShot(0, &window, [this, &window, hook] {
                // The hook acts as the person at the keyboard, so the dialog must be active.
                window.activateWindow();
                QCoreApplication::processEvents();
                hook(*this);
                if (!window.HasEnded()) {
                    EndDialog(IDCANCEL);
                }
            });
        }
        window.exec();
    }
    // The window is destroyed: its destroy handler runs while every control still exists.
    WindowProc(WM_DESTROY, 0, 0);
    DialogRunner::ReleaseControls(*this);
    m_hWnd = nullptr;
    return window.Result();
}

void CDialog::EndDialog(int result) {
    if (DialogWindow* window = DialogWindowOf(*this)) {
        window->End(result);
    }
}

HWND CDialog::GetDlgItem(int id) const {
    const DialogWindow* window = DialogWindowOf(*this);
    return window != nullptr ? HandleOf(window->Control(id)) : nullptr;
}

std::string CDialog::GetDlgItemText(int id) const {
    QWidget* control = WidgetOf(GetDlgItem(id));
    if (const auto* edit = dynamic_cast<const ByteLineEdit*>(control)) {
        return edit->Bytes();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return FromQString(button->text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return FromQString(label->text());
    }
    return {};
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
    QWidget* control = WidgetOf(GetDlgItem(id));
    if (auto* edit = dynamic_cast<ByteLineEdit*>(control)) {
        edit->SetBytes(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(ToQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(ToQString(text));
    }
}

void PlatformFocusControl(CDialog& dialog, int id) {
    if (QWidget* control = WidgetOf(dialog.GetDlgItem(id))) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

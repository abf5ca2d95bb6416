#include "DialogWindow.h"

#include "../Backend.h"
#include "../TestHooks.h"
#include "DialogTemplateBuilder.h"
#include "WindowText.h"

namespace {

constexpr char kWindowProperty[] = "Quillfolio.DialogWindow";

// Posted once the dialog is up, so that the modal hook runs inside the modal loop.
UINT RunModalHookMessage() {
    static const UINT message = RegisterWindowMessageA("Quillfolio.RunModalHook");
    return message;
}

// An edit takes any amount of text, typed or set.
void LiftEditLimits(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsEditControl(child)) {
            SendMessageA(child, EM_SETLIMITTEXT, 0, 0);
        }
    }
}

// A dialog opens centred over the window that owns it; one without an owner in the middle of
// the work area.
void CentreOverOwner(HWND dialog) {
    RECT area{};
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    RECT own{};
    GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

DialogWindow* DialogWindow::Of(HWND window) {
    return window != nullptr ? static_cast<DialogWindow*>(GetPropA(window, kWindowProperty))
                             : nullptr;
}

DialogWindow* DialogWindowOf(const CWnd& window) { return DialogWindow::Of(window.m_hWnd); }

INT_PTR DialogWindow::RunModal(const DialogTemplate& dialogTemplate, HWND owner) {
    const std::vector<DWORD> bytes = BuildDialogTemplate(dialogTemplate);
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner,
                                   DialogProcedure, reinterpret_cast<LPARAM>(this));
}

void DialogWindow::End(int result) {
    m_ended = true;
    ::EndDialog(m_window, result);
}

// Only the initialisation comes this way; every later message reaches the window procedure
// below first, and this procedure only through the dialog manager's default processing.
INT_PTR CALLBACK DialogWindow::DialogProcedure(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    return reinterpret_cast<DialogWindow*>(lParam)->Initialise(window);
}

BOOL DialogWindow::Initialise(HWND window) {
    m_window = window;
    m_dialog.m_hWnd = window;
    SetPropA(window, kWindowProperty, this);
    m_dialogManagerProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogWindow::WindowProcedure)));
    LiftEditLimits(window);
    CentreOverOwner(window);
    // TRUE: the dialog manager puts the focus on the first tab stop.
    const BOOL focusFirstTabStop = DialogRunner::InitDialog(m_dialog);
    if (GetModalHook() && !m_ended) {
        PostMessageA(window, RunModalHookMessage(), 0, 0);
    }
    return focusFirstTabStop;
}

LRESULT CALLBACK DialogWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    DialogWindow* self = Of(window);
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC dialogManager = self->m_dialogManagerProcedure;
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogManager));
        RemovePropA(window, kWindowProperty);
        return CallWindowProcA(dialogManager, window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == RunModalHookMessage()) {
        RunModalHook();
        return 0;
    }
    switch (message) {
    case WM_PRINTCLIENT:
        PaintInto(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ENDSESSION:
        // The session ends once this returns: the dialog closes now, and so saves what it holds,
        // together with every window it owns.
        if (wParam != FALSE && GetWindow(m_window, GW_OWNER) == nullptr) {
            m_ended = true;
            DestroyWindow(m_window);
        }
        return 0;
    case WM_HELP:
        // F1: the standard Help command, which the application handles.
        return m_dialog.WindowProc(WM_COMMAND, MakeCommandParam(ID_HELP, 0), 0);
    default:
        return m_dialog.WindowProc(message, wParam, lParam);
    }
}

LRESULT DialogWindow::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && m_printContext != nullptr) {
        return CallWindowProcA(m_dialogManagerProcedure, m_window, WM_ERASEBKGND,
                               reinterpret_cast<WPARAM>(m_printContext), 0);
    }
    return CallWindowProcA(m_dialogManagerProcedure, m_window, message, wParam, lParam);
}

// The dialog's own painting, into the device context given instead of onto the screen.
void DialogWindow::PaintInto(HDC context) {
    m_printContext = context;
    m_dialog.WindowProc(WM_PAINT, 0, 0);
    m_printContext = nullptr;
}

// The hook acts as the person at the keyboard: the dialog must be shown and active.
void DialogWindow::RunModalHook() {
    const ModalHook hook = GetModalHook();
    if (!hook || m_ended) {
        return;
    }
    if (!IsWindowVisible(m_window)) {
        ShowWindow(m_window, SW_SHOWNORMAL);
    }
    SetForegroundWindow(m_window);
    UpdateWindow(m_window);
    hook(m_dialog);
    if (!m_ended) {
        End(IDCANCEL);
    }
}

#include "Window.h"

#include "WinApp.h"

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    // A command that the window does not handle goes on to the application.
    const bool handled = DispatchMessage(message, wParam, lParam, result) ||
                         (message == WM_COMMAND && AfxGetApp() != nullptr &&
                          AfxGetApp()->DispatchMessage(message, wParam, lParam, result));
    if (!handled) {
        result = DefWindowProcFor(*this, message, wParam, lParam);
    }
    m_current = outer;
    return result;
}

LRESULT CWnd::Default() {
    return DefWindowProcFor(*this, m_current.message, m_current.wParam, m_current.lParam);
}

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

void CWnd::OnPaint() { Default(); }

void CWnd::OnDestroy() { Default(); }

// CWnd, CMenu and painting on Win32.
#include "../Window.h"
#include "DialogWindow.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    return AppendMenuA(m_hMenu, flags, id, (flags & MF_SEPARATOR) != 0 ? nullptr : text.c_str());
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(CRect* rect) const {
    RECT client{};
    if (m_hWnd != nullptr) {
        ::GetClientRect(m_hWnd, &client);
    }
    *rect = CRect{client.left, client.top, client.right, client.bottom};
}

void CWnd::SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw, 0); }

void CWnd::Invalidate(BOOL erase) {
    if (m_hWnd != nullptr) {
        InvalidateRect(m_hWnd, nullptr, erase);
    }
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
    DialogWindow* window = DialogWindowOf(*this);
    const HMENU menu = m_hWnd != nullptr ? ::GetSystemMenu(m_hWnd, revert) : nullptr;
    if (window == nullptr || menu == nullptr) {
        return nullptr;
    }
    window->SystemMenu().m_hMenu = menu;
    return &window->SystemMenu();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd != nullptr ? SendMessageA(m_hWnd, message, wParam, lParam) : 0;
}

LRESULT DefWindowProcFor(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (DialogWindow* dialog = DialogWindowOf(window)) {
        return dialog->DefaultProcessing(message, wParam, lParam);
    }
    return window.m_hWnd != nullptr ? DefWindowProcA(window.m_hWnd, message, wParam, lParam) : 0;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return m_hDC != nullptr && icon != nullptr && ::DrawIcon(m_hDC, x, y, icon);
}

struct CPaintDC::PaintState {
    HWND window;
    PAINTSTRUCT paint;
};

// A window asked to paint into a given device context (WM_PRINTCLIENT) paints there instead.
CPaintDC::CPaintDC(CWnd* window) {
    if (const DialogWindow* dialog = DialogWindowOf(*window);
        dialog != nullptr && dialog->PrintContext() != nullptr) {
        m_hDC = dialog->PrintContext();
        return;
    }
    m_paint = new PaintState{window->m_hWnd, {}};
    m_hDC = BeginPaint(window->m_hWnd, &m_paint->paint);
}

CPaintDC::~CPaintDC() {
    if (m_paint != nullptr) {
        EndPaint(m_paint->window, &m_paint->paint);
        delete m_paint;
    }
}

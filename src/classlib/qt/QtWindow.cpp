// CWnd, CMenu and painting on Qt.
#include "../Window.h"
#include "DialogWindow.h"
#include "Handles.h"
#include "Icons.h"
#include "TextConversion.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPainter>

namespace {

constexpr int kIconSize = 32;

} // namespace

int GetSystemMetrics(int index) { return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0; }

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string& text) {
    QMenu* menu = MenuOf(m_hMenu);
    if (menu == nullptr) {
        return FALSE;
    }
    if ((flags & MF_SEPARATOR) != 0) {
        menu->addSeparator();
    } else {
        menu->addAction(ToQString(text))->setData(static_cast<uint>(id));
    }
    return TRUE;
}

BOOL CWnd::IsIconic() const {
    const QWidget* widget = WidgetOf(m_hWnd);
    return widget != nullptr && widget->isMinimized();
}

void CWnd::GetClientRect(CRect* rect) const {
    const QWidget* widget = WidgetOf(m_hWnd);
    *rect = widget != nullptr ? CRect{0, 0, widget->width(), widget->height()} : CRect{};
}

void CWnd::SetRedraw(BOOL redraw) {
    if (QWidget* widget = WidgetOf(m_hWnd)) {
        widget->setUpdatesEnabled(redraw != FALSE);
    }
}

void CWnd::Invalidate(BOOL) {
    QWidget* widget = WidgetOf(m_hWnd);
    if (widget == nullptr) {
        return;
    }
    widget->update();
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(widget)) {
        scrollArea->viewport()->update();
    }
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    QWidget* widget = WidgetOf(m_hWnd);
    if (widget == nullptr) {
        return nullptr;
    }
    const char* property = bigIcon ? "bigIcon" : "smallIcon";
    const auto previous = reinterpret_cast<HICON>(widget->property(property).value<quintptr>());
    widget->setProperty(property, QVariant::fromValue(reinterpret_cast<quintptr>(icon)));
    widget->setWindowIcon(IconFor(icon));
    return previous;
}

CMenu* CWnd::GetSystemMenu(BOOL) {
    DialogWindow* window = DialogWindowOf(*this);
    return window != nullptr ? &window->SystemMenu() : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

LRESULT DefWindowProcFor(CWnd& window, UINT message, WPARAM wParam, LPARAM) {
    QWidget* widget = WidgetOf(window.m_hWnd);
    if (widget == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            widget->close();
        }
        return 0;
    case WM_ICONERASEBKGND:
        if (QPainter* painter = PainterOf(reinterpret_cast<HDC>(wParam))) {
            painter->fillRect(widget->rect(), widget->palette().color(QPalette::Window));
        }
        return 1;
    default:
        return 0;
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    QPainter* painter = PainterOf(m_hDC);
    if (painter == nullptr || icon == nullptr) {
        return FALSE;
    }
    painter->drawImage(x, y, IconImageFor(icon, kIconSize));
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) { m_hDC = HandleOf(new QPainter(WidgetOf(window->m_hWnd))); }

CPaintDC::~CPaintDC() { delete PainterOf(m_hDC); }

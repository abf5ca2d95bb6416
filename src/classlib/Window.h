// Windows, menus and painting: the part of a window that every dialog and control shares.
#pragma once

#include "MessageMap.h"

#include <string>

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

#ifndef _WIN32
// On Windows the system's own.
int GetSystemMetrics(int index);
#endif

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    // MF_SEPARATOR, or MF_STRING with the command id and the item text.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string& text = {});
};

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    BOOL IsIconic() const;
    void GetClientRect(CRect* rect) const;
    void SetRedraw(BOOL redraw = TRUE);
    void Invalidate(BOOL erase = TRUE);
    HICON SetIcon(HICON icon, BOOL bigIcon);
    // The window's system menu, or nullptr when it has none. The window owns the menu.
    CMenu* GetSystemMenu(BOOL revert);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The backend delivers every message here: the message map first, else the default.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The default processing of the message being handled.
    LRESULT Default();

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    void OnDestroy();

private:
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
};

// Runs the backend's own processing of a message.
LRESULT DefWindowProcFor(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam);

class CDC {
public:
    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON icon);
};

// Painting in a WM_PAINT handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    // What the backend needs to end the painting again.
    struct PaintState;
    PaintState* m_paint = nullptr;
};

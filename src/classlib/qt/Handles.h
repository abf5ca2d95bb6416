// The backend's windows behind the opaque handles the program passes around.
#pragma once

#include "../WinDefs.h"

#include <QWidget>

class QMenu;
class QPainter;

inline QWidget* WidgetOf(HWND window) { return reinterpret_cast<QWidget*>(window); }
inline HWND HandleOf(QWidget* widget) { return reinterpret_cast<HWND>(widget); }

inline QMenu* MenuOf(HMENU menu) { return reinterpret_cast<QMenu*>(menu); }
inline HMENU HandleOf(QMenu* menu) { return reinterpret_cast<HMENU>(menu); }

inline QPainter* PainterOf(HDC dc) { return reinterpret_cast<QPainter*>(dc); }
inline HDC HandleOf(QPainter* painter) { return reinterpret_cast<HDC>(painter); }

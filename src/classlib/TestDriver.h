// Drives a running dialog as a person would, by control id, and reads what it shows. For tests
// and for pictures of the program; each backend supplies it.
#pragma once

#include "Window.h"

#include <string>
#include <vector>

class CDialog;

namespace drive {

enum class Key { Enter, Escape, Tab, Up, Down, Space, F1, AltSpace };

// Replaces the control's text by typing (UTF-8), as a person at the keyboard.
void Type(CDialog& dialog, int id, const std::string& text);
// The bytes that typing the text (UTF-8) puts into a control: the text in the locale's encoding.
std::string TypedBytes(const std::string& text);
// A left click on the middle of the control.
void Click(CDialog& dialog, int id);
// The same click as the window system delivers it from the screen: a window that a modal dialog
// blocks does not receive it.
void ClickOnScreen(CDialog& dialog, int id);
// A key press to the control that has the focus.
void Press(CDialog& dialog, Key key);
void Focus(CDialog& dialog, int id);
// The id of the control with the focus, 0 when it has none.
int FocusedControl(const CDialog& dialog);
// The ids of the controls in the order that Tab visits them, from the first tab stop.
std::vector<int> TabOrder(CDialog& dialog);
// The caption's close box.
void CloseBox(CDialog& dialog);
bool IsRunning(const CDialog& dialog);
bool IsReadOnly(const CDialog& dialog, int id);
std::string Caption(const CDialog& dialog);
// Pixels, in the dialog's client coordinates.
CRect ControlRect(const CDialog& dialog, int id);
CRect ClientRect(const CDialog& dialog);
// The dialog window's rectangle on the screen, frame excluded.
CRect ScreenRect(const CDialog& dialog);
bool SaveImage(const CDialog& dialog, const std::string& path);

// What the dialog window paints itself, its controls left out, as 0xRRGGBB pixels by rows.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;

    DWORD At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
Picture Paint(const CDialog& dialog);
void Minimise(CDialog& dialog, bool minimised);

// The system menu's item texts (empty for a separator), and choosing one from the menu opened
// with the mouse (a right click on the caption on Windows; on the dialog's background where the
// window system offers no system menu) or with Alt+Space; false when no item has that command id.
std::vector<std::string> SystemMenuItems(CDialog& dialog);
enum class MenuOpening { Mouse, AltSpace };
bool ChooseSystemMenuItem(CDialog& dialog, UINT commandId,
                          MenuOpening opening = MenuOpening::Mouse);

// List views.
void ClickListRow(CDialog& dialog, int listId, int row); // -1: the empty area below the rows
void RightClickListRow(CDialog& dialog, int listId, int row);
int ListRowCount(const CDialog& dialog, int listId);
std::string ListCell(const CDialog& dialog, int listId, int row, int column);
int ListColumnCount(const CDialog& dialog, int listId);
std::string ListHeading(const CDialog& dialog, int listId, int column);
int ListColumnWidth(const CDialog& dialog, int listId, int column);
// The width of the area the columns share.
int ListClientWidth(const CDialog& dialog, int listId);
// The width the list needs to show the column's cells whole, and its header text.
int ListCellsWidthNeeded(const CDialog& dialog, int listId, int column);
int ListHeadingWidthNeeded(const CDialog& dialog, int listId, int column);
// The selected row, -1 when none is.
int ListSelectedRow(const CDialog& dialog, int listId);

// Month calendars. Days are given as numbers and shown as text: 2007-03-05, a month as 2007-03.
// Picks the day as a person would: types its year into the calendar's year field, steps to its
// month with the calendar's month arrows and clicks the day.
void PickCalendarDay(CDialog& dialog, int calendarId, int year, int month, int day);
std::string CalendarSelection(const CDialog& dialog, int calendarId);
std::string CalendarShownMonth(const CDialog& dialog, int calendarId);
// Whether the day is drawn apart from the others, as today is.
bool CalendarMarksDay(const CDialog& dialog, int calendarId, int year, int month, int day);
bool CalendarShowsWeekNumbers(const CDialog& dialog, int calendarId);

} // namespace drive

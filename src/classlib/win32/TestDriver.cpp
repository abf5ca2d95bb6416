// The test driver on Win32: real input through SendInput, delivered by the window system as a
// person's would be, and the controls read back with their own messages.
#include "../TestDriver.h"

#include "../Dialog.h"
#include "../ListCtrl.h"
#include "DialogWindow.h"
#include "PngFile.h"
#include "SimulatedInput.h"
#include "WindowText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace drive {

namespace {

[[noreturn]] void Fatal(const char* what, int id = 0) {
    std::fprintf(stderr, "drive: %s %d\n", what, id);
    std::abort();
}

HWND WindowOf(const CDialog& dialog) {
    if (dialog.m_hWnd == nullptr) {
        Fatal("the dialog has no window");
    }
    return dialog.m_hWnd;
}

HWND ControlOf(const CDialog& dialog, int id) {
    const HWND control = ::GetDlgItem(WindowOf(dialog), id);
    if (control == nullptr) {
        Fatal("the dialog has no control", id);
    }
    return control;
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT OnScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    return point;
}

// A point of the caption bar where the window itself answers with the part asked for.
bool FindFramePart(HWND window, LRESULT part, POINT& found) {
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    for (int y = frame.top; y < client.y; ++y) {
        for (int x = frame.right - 1; x >= frame.left; --x) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == part) {
                found = {x, y};
                return true;
            }
        }
    }
    return false;
}

CRect ToRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The position of the system menu's item with that command id, or -1.
int SystemMenuPosition(HMENU menu, UINT commandId) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (GetMenuItemID(menu, position) == commandId) {
            return position;
        }
    }
    return -1;
}

// The click that chooses an item, made once the menu's own loop runs.
struct PendingMenuChoice {
    HMENU menu = nullptr;
    int position = -1;
    UINT_PTR timer = 0;
};
PendingMenuChoice pendingMenuChoice;

void CALLBACK ChooseFromOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    RECT item{};
    if (!GetMenuItemRect(nullptr, pendingMenuChoice.menu,
                         static_cast<UINT>(pendingMenuChoice.position), &item)) {
        return; // not open yet
    }

    KillTimer(nullptr, pendingMenuChoice.timer);
    pendingMenuChoice = {};
    // The menu's own loop takes the click.
    const std::vector<INPUT> click =
        ClickInputs({(item.left + item.right) / 2, (item.top + item.bottom) / 2}, Button::Left);
    SendInput(static_cast<UINT>(click.size()), const_cast<INPUT*>(click.data()), sizeof(INPUT));
}

HWND ListOf(const CDialog& dialog, int id) { return ControlOf(dialog, id); }

HWND HeaderOf(HWND list) { return reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)); }

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}

int TextWidth(HWND window, const std::string& text) {
    const HDC context = GetDC(window);
    const HGDIOBJ previous = SelectObject(context, FontOf(window));
    SIZE size{};
    GetTextExtentPoint32A(context, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(window, context);
    return size.cx;
}

std::string ListCellText(HWND list, int row, int column) {
    CListCtrl control;
    control.m_hWnd = list;
    std::string text = control.GetItemText(row, column);
    control.m_hWnd = nullptr;
    return text;
}

POINT RowPoint(HWND list, int row) {
    RECT client{};
    GetClientRect(list, &client);
    if (row >= 0) {
        SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        RECT item{};
        item.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return {std::min(item.left + 8, client.right - 2), (item.top + item.bottom) / 2};
    }
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    RECT below{};
    if (rows > 0) {
        below.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(rows - 1),
                     reinterpret_cast<LPARAM>(&below));
    } else {
        GetWindowRect(HeaderOf(list), &below);
        MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&below), 2);
    }
    return {4, std::min(below.bottom + 4, client.bottom - 2)};
}

SYSTEMTIME ShownMonth(HWND calendar) {
    SYSTEMTIME range[2] = {};
    SendMessageA(calendar, MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range));
    return range[0];
}

// The middle of the area of the calendar where its hit test finds the part (and day) asked for.
bool FindCalendarPoint(HWND calendar, UINT part, const SYSTEMTIME* day, POINT& found) {
    RECT client{};
    GetClientRect(calendar, &client);
    long sumX = 0, sumY = 0, count = 0;
    for (int y = 1; y < client.bottom; y += 2) {
        for (int x = 1; x < client.right; x += 2) {
            MCHITTESTINFO hit{};
            hit.cbSize = MCHITTESTINFO_V1_SIZE;
            hit.pt = {x, y};
            SendMessageA(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.uHit != part) {
                continue;
            }
            if (day == nullptr || (hit.st.wYear == day->wYear && hit.st.wMonth == day->wMonth &&
                                   hit.st.wDay == day->wDay)) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count == 0) {
        return false;
    }
    found = {static_cast<LONG>(sumX / count), static_cast<LONG>(sumY / count)};
    return true;
}

std::string DayText(const SYSTEMTIME& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
    return text;
}

struct Bitmap {
    int width;
    int height;
    std::vector<DWORD> pixels;
};

// What was drawn into the device context's bitmap, as 0xRRGGBB pixels by rows from the top.
Bitmap CaptureInto(int width, int height, const std::function<void(HDC)>& draw) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC context = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(context, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(context, bitmap);
    Bitmap picture{width, height, std::vector<DWORD>(static_cast<std::size_t>(width * height))};
    if (bits != nullptr) {
        draw(context);
        GdiFlush();
        const auto* source = static_cast<const DWORD*>(bits);
        for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
            picture.pixels[i] = source[i] & 0xFFFFFF;
        }
    }
    SelectObject(context, previous);
    DeleteObject(bitmap);
    DeleteDC(context);
    return picture;
}

} // namespace

void Type(CDialog& dialog, int id, const std::string& text) {
    const HWND control = ControlOf(dialog, id);
    Focus(dialog, id);
    SendMessageA(control, EM_SETSEL, 0, -1);
    std::vector<INPUT> inputs = {KeyInput(VK_DELETE, false), KeyInput(VK_DELETE, true)};
    // One key event per character, carrying the character itself, as a keyboard layout sends it.
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring characters(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), characters.data(),
                        length);
    for (const wchar_t character : characters) {
        INPUT key{};
        key.type = INPUT_KEYBOARD;
        key.ki.wScan = static_cast<WORD>(character);
        key.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(key);
        key.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(key);
    }
    SendAndDeliver(inputs);
}

// The text in the ANSI code page; a character it lacks becomes its stand-in, as in an edit.
std::string TypedBytes(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring characters(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), characters.data(),
                        length);
    const int size =
        WideCharToMultiByte(CP_ACP, 0, characters.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, characters.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

void Click(CDialog& dialog, int id) { ClickAt(CentreOf(ControlOf(dialog, id))); }

void ClickOnScreen(CDialog& dialog, int id) { ClickAt(CentreOf(ControlOf(dialog, id))); }

void Press(CDialog&, Key key) {
    switch (key) {
    case Key::Enter:
        PressKeys({}, VK_RETURN);
        break;
    case Key::Escape:
        PressKeys({}, VK_ESCAPE);
        break;
    case Key::Tab:
        PressKeys({}, VK_TAB);
        break;
    case Key::Up:
        PressKeys({}, VK_UP);
        break;
    case Key::Down:
        PressKeys({}, VK_DOWN);
        break;
    case Key::Space:
        PressKeys({}, VK_SPACE);
        break;
    case Key::F1:
        PressKeys({}, VK_F1);
        break;
    case Key::AltSpace:
        PressKeys({VK_MENU}, VK_SPACE);
        break;
    }
}

void Focus(CDialog& dialog, int id) {
    SendMessageA(WindowOf(dialog), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ControlOf(dialog, id)),
                 TRUE);
    DeliverWaitingMessages();
}

int FocusedControl(const CDialog& dialog) {
    const HWND window = WindowOf(dialog);
    for (HWND focus = GetFocus(); focus != nullptr; focus = GetParent(focus)) {
        if (GetParent(focus) == window) {
            return GetDlgCtrlID(focus);
        }
    }
    return 0;
}

std::vector<int> TabOrder(CDialog& dialog) {
    std::vector<int> order;
    const HWND first = GetNextDlgTabItem(WindowOf(dialog), nullptr, FALSE);
    if (first == nullptr) {
        return order;
    }
    Focus(dialog, GetDlgCtrlID(first));
    const int firstId = FocusedControl(dialog);
    order.push_back(firstId);
    for (int presses = 0; presses < 100; ++presses) {
        Press(dialog, Key::Tab);
        if (FocusedControl(dialog) == firstId) {
            break;
        }
        order.push_back(FocusedControl(dialog));
    }
    return order;
}

void CloseBox(CDialog& dialog) {
    POINT closeBox{};
    if (!FindFramePart(WindowOf(dialog), HTCLOSE, closeBox)) {
        Fatal("the dialog has no close box");
    }
    ClickAt(closeBox);
}

bool IsRunning(const CDialog& dialog) {
    const DialogWindow* window = DialogWindowOf(dialog);
    return window != nullptr && !window->HasEnded();
}

bool IsReadOnly(const CDialog& dialog, int id) {
    return (GetWindowLongA(ControlOf(dialog, id), GWL_STYLE) & ES_READONLY) != 0;
}

std::string Caption(const CDialog& dialog) { return WindowText(WindowOf(dialog)); }

CRect ControlRect(const CDialog& dialog, int id) {
    RECT rect{};
    GetWindowRect(ControlOf(dialog, id), &rect);
    MapWindowPoints(nullptr, WindowOf(dialog), reinterpret_cast<POINT*>(&rect), 2);
    return ToRect(rect);
}

CRect ClientRect(const CDialog& dialog) {
    RECT rect{};
    GetClientRect(WindowOf(dialog), &rect);
    return ToRect(rect);
}

CRect ScreenRect(const CDialog& dialog) {
    RECT rect{};
    GetClientRect(WindowOf(dialog), &rect);
    MapWindowPoints(WindowOf(dialog), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return ToRect(rect);
}

// The window as the screen shows it, frame and caption included.
bool SaveImage(const CDialog& dialog, const std::string& path) {
    const HWND window = WindowOf(dialog);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DeliverWaitingMessages();
    RECT frame{};
    GetWindowRect(window, &frame);
    const Bitmap picture =
        CaptureInto(frame.right - frame.left, frame.bottom - frame.top, [&](HDC context) {
            const HDC screen = GetDC(nullptr);
            BitBlt(context, 0, 0, frame.right - frame.left, frame.bottom - frame.top, screen,
                   frame.left, frame.top, SRCCOPY);
            ReleaseDC(nullptr, screen);
        });
    return WritePngFile(path, picture.width, picture.height, picture.pixels);
}

// The dialog paints into a bitmap of its client area's size, as WM_PRINTCLIENT asks windows to.
Picture Paint(const CDialog& dialog) {
    const HWND window = WindowOf(dialog);
    RECT client{};
    GetClientRect(window, &client);
    const Bitmap picture = CaptureInto(client.right, client.bottom, [&](HDC context) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context),
                     PRF_CLIENT | PRF_ERASEBKGND);
    });
    return {picture.width, picture.height, picture.pixels};
}

void Minimise(CDialog& dialog, bool minimised) {
    ShowWindow(WindowOf(dialog), minimised ? SW_MINIMIZE : SW_RESTORE);
    DeliverWaitingMessages();
}

std::vector<std::string> SystemMenuItems(CDialog& dialog) {
    const HMENU menu = GetSystemMenu(WindowOf(dialog), FALSE);
    std::vector<std::string> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        char text[256] = {};
        GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        items.emplace_back(text);
    }
    return items;
}

// The mouse opens the system menu with a right click on the caption.
bool ChooseSystemMenuItem(CDialog& dialog, UINT commandId, MenuOpening opening) {
    const HWND window = WindowOf(dialog);
    const HMENU menu = GetSystemMenu(window, FALSE);
    const int position = SystemMenuPosition(menu, commandId);
    if (position < 0) {
        return false;
    }
    pendingMenuChoice = {menu, position, SetTimer(nullptr, 0, 20, ChooseFromOpenMenu)};
    if (opening == MenuOpening::AltSpace) {
        Press(dialog, Key::AltSpace);
    } else {
        POINT caption{};
        if (!FindFramePart(window, HTCAPTION, caption)) {
            Fatal("the dialog has no caption");
        }
        ClickAt(caption, Button::Right);
    }
    if (pendingMenuChoice.timer != 0) {
        KillTimer(nullptr, pendingMenuChoice.timer);
        pendingMenuChoice = {};
    }
    return true;
}

void ClickListRow(CDialog& dialog, int listId, int row) {
    const HWND list = ListOf(dialog, listId);
    ClickAt(OnScreen(list, RowPoint(list, row)));
}

void RightClickListRow(CDialog& dialog, int listId, int row) {
    const HWND list = ListOf(dialog, listId);
    ClickAt(OnScreen(list, RowPoint(list, row)), Button::Right);
}

int ListRowCount(const CDialog& dialog, int listId) {
    return static_cast<int>(SendMessageA(ListOf(dialog, listId), LVM_GETITEMCOUNT, 0, 0));
}

std::string ListCell(const CDialog& dialog, int listId, int row, int column) {
    return ListCellText(ListOf(dialog, listId), row, column);
}

int ListColumnCount(const CDialog& dialog, int listId) {
    return static_cast<int>(SendMessageA(HeaderOf(ListOf(dialog, listId)), HDM_GETITEMCOUNT, 0, 0));
}

std::string ListHeading(const CDialog& dialog, int listId, int column) {
    char text[256] = {};
    LVCOLUMNA header{};
    header.mask = LVCF_TEXT;
    header.pszText = text;
    header.cchTextMax = sizeof text;
    SendMessageA(ListOf(dialog, listId), LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&header));
    return text;
}

int ListColumnWidth(const CDialog& dialog, int listId, int column) {
    return static_cast<int>(
        SendMessageA(ListOf(dialog, listId), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int ListClientWidth(const CDialog& dialog, int listId) {
    RECT client{};
    GetClientRect(ListOf(dialog, listId), &client);
    return client.right;
}

// The widest cell's text in the list's font.
int ListCellsWidthNeeded(const CDialog& dialog, int listId, int column) {
    const HWND list = ListOf(dialog, listId);
    int widest = 0;
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        widest = std::max(widest, TextWidth(list, ListCellText(list, row, column)));
    }
    return widest;
}

// The header's text in the header's font.
int ListHeadingWidthNeeded(const CDialog& dialog, int listId, int column) {
    return TextWidth(HeaderOf(ListOf(dialog, listId)), ListHeading(dialog, listId, column));
}

int ListSelectedRow(const CDialog& dialog, int listId) {
    return static_cast<int>(SendMessageA(ListOf(dialog, listId), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Steps to the month with the calendar's month arrows and clicks the day. The arrow is clicked
// in bursts, and the month shown read again after each.
void PickCalendarDay(CDialog& dialog, int calendarId, int year, int month, int day) {
    constexpr int kClicksPerBurst = 24;
    const HWND calendar = ControlOf(dialog, calendarId);
    const int wanted = year * 12 + month - 1;
    for (int bursts = 0; bursts < 10000; ++bursts) {
        const SYSTEMTIME shown = ShownMonth(calendar);
        const int current = shown.wYear * 12 + shown.wMonth - 1;
        if (current == wanted) {
            break;
        }
        POINT arrow{};
        if (!FindCalendarPoint(calendar, current < wanted ? MCHT_TITLEBTNNEXT : MCHT_TITLEBTNPREV,
                               nullptr, arrow)) {
            Fatal("the month calendar has no month arrow");
        }
        std::vector<INPUT> clicks;
        for (int click = 0; click < std::min(std::abs(wanted - current), kClicksPerBurst);
             ++click) {
            const std::vector<INPUT> one = ClickInputs(OnScreen(calendar, arrow), Button::Left);
            clicks.insert(clicks.end(), one.begin(), one.end());
        }
        SendAndDeliver(clicks);
    }
    SYSTEMTIME target{};
    target.wYear = static_cast<WORD>(year);
    target.wMonth = static_cast<WORD>(month);
    target.wDay = static_cast<WORD>(day);
    POINT cell{};
    if (!FindCalendarPoint(calendar, MCHT_CALENDARDATE, &target, cell)) {
        Fatal("the month calendar shows no day", day);
    }
    ClickAt(OnScreen(calendar, cell));
}

std::string CalendarSelection(const CDialog& dialog, int calendarId) {
    SYSTEMTIME selected{};
    SendMessageA(ControlOf(dialog, calendarId), MCM_GETCURSEL, 0,
                 reinterpret_cast<LPARAM>(&selected));
    return DayText(selected);
}

std::string CalendarShownMonth(const CDialog& dialog, int calendarId) {
    return DayText(ShownMonth(ControlOf(dialog, calendarId))).substr(0, 7);
}

// Today is circled unless the calendar's style says otherwise.
bool CalendarMarksDay(const CDialog& dialog, int calendarId, int year, int month, int day) {
    const HWND calendar = ControlOf(dialog, calendarId);
    SYSTEMTIME today{};
    SendMessageA(calendar, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today));
    return (GetWindowLongA(calendar, GWL_STYLE) & MCS_NOTODAYCIRCLE) == 0 && today.wYear == year &&
           today.wMonth == month && today.wDay == day;
}

bool CalendarShowsWeekNumbers(const CDialog& dialog, int calendarId) {
    return (GetWindowLongA(ControlOf(dialog, calendarId), GWL_STYLE) & MCS_WEEKNUMBERS) != 0;
}

} // namespace drive

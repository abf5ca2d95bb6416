// CMonthCalCtrl on the common controls' month calendar, "SysMonthCal32".
#include "../MonthCalCtrl.h"

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME* dateTime) {
    SYSTEMTIME day = *dateTime;
    day.wHour = day.wMinute = day.wSecond = day.wMilliseconds = 0;
    return static_cast<BOOL>(
        SendMessageA(m_hWnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day)));
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME* dateTime) const {
    SYSTEMTIME day{};
    if (!SendMessageA(m_hWnd, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day))) {
        return FALSE;
    }
    day.wHour = day.wMinute = day.wSecond = day.wMilliseconds = 0;
    *dateTime = day;
    return TRUE;
}

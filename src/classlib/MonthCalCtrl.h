// The month calendar: one selected day at a time, today marked, no week numbers.
#pragma once

#include "Window.h"

class CMonthCalCtrl : public CWnd {
public:
    // Selects the day of the date given and shows its month; its time of day is not used.
    // FALSE for a date that is no day of the calendar's range.
    BOOL SetCurSel(const SYSTEMTIME* dateTime);
    // The selected day, its time of day 0; FALSE when there is none.
    BOOL GetCurSel(SYSTEMTIME* dateTime) const;
};

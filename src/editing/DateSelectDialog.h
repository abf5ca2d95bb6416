// The "Date Selection" dialog: a month calendar that opens on a given moment's day and hands
// back the day selected when it closes, however it is closed.
#pragma once

#include "CalendarDate.h"

#include "../classlib/Dialog.h"
#include "../classlib/MonthCalCtrl.h"

#include <optional>

class CDateSelectDialog : public CDialog {
public:
    explicit CDateSelectDialog(CWnd* parent);

    // The day the dialog hands back: the local day of SelectedDate, or the day picked when no
    // time value holds it in the local time zone.
    std::optional<CalendarDay> SelectedDay() const;

    // The moment whose day the calendar opens on; once the dialog has closed, the start of the
    // day selected then.
    CalendarTime SelectedDate = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void StoreSelection(const SYSTEMTIME& selection);

    CMonthCalCtrl m_calendar;
    // A picked day that the local zone skipped, or that the time functions cannot convert.
    std::optional<CalendarDay> m_dayWithoutTimeValue;
};

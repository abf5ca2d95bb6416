// CMonthCalCtrl on Qt's calendar widget.
#include "../MonthCalCtrl.h"
#include "Handles.h"

#include <QCalendarWidget>

namespace {

QCalendarWidget* CalendarOf(const CMonthCalCtrl& control) {
    return qobject_cast<QCalendarWidget*>(WidgetOf(control.m_hWnd));
}

} // namespace

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME* dateTime) {
    QCalendarWidget* calendar = CalendarOf(*this);
    const QDate day(dateTime->wYear, dateTime->wMonth, dateTime->wDay);
    if (calendar == nullptr || !day.isValid() || day < calendar->minimumDate() ||
        day > calendar->maximumDate()) {
        return FALSE;
    }
    calendar->setSelectedDate(day);
    calendar->setCurrentPage(day.year(), day.month());
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME* dateTime) const {
    const QCalendarWidget* calendar = CalendarOf(*this);
    if (calendar == nullptr || !calendar->selectedDate().isValid()) {
        return FALSE;
    }
    const QDate day = calendar->selectedDate();
    *dateTime = SYSTEMTIME{};
    dateTime->wYear = static_cast<WORD>(day.year());
    dateTime->wMonth = static_cast<WORD>(day.month());
    dateTime->wDayOfWeek = static_cast<WORD>(day.dayOfWeek() % 7); // Sunday is 0
    dateTime->wDay = static_cast<WORD>(day.day());
    return TRUE;
}

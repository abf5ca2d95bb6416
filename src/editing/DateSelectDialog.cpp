#include "DateSelectDialog.h"

#include "../res/resource.h"

namespace {

SYSTEMTIME SystemTimeOf(const CalendarDay& day) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(day.year);
    time.wMonth = static_cast<WORD>(day.month);
    time.wDay = static_cast<WORD>(day.day);
    return time;
}

CalendarDay DayOf(const SYSTEMTIME& time) { return {time.wYear, time.wMonth, time.wDay}; }

} // namespace

const MessageMapEntry CDateSelectDialog::messageEntries[] = {
    OnMessageEntry(WM_DESTROY, &CDateSelectDialog::OnDestroy),
};
const MessageMap CDateSelectDialog::messageMap{&CDialog::messageMap, messageEntries};

CDateSelectDialog::CDateSelectDialog(CWnd* parent) : CDialog(IDD_DATESELECT, parent) {}

std::optional<CalendarDay> CDateSelectDialog::SelectedDay() const {
    return m_dayWithoutTimeValue ? m_dayWithoutTimeValue : LocalDayOf(SelectedDate);
}

void CDateSelectDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CALENDAR, m_calendar);
    if (pDX->m_bSaveAndValidate) {
        SYSTEMTIME selection;
        if (m_calendar.GetCurSel(&selection)) {
            StoreSelection(selection);
        }
    } else if (const std::optional<CalendarDay> day = LocalDayOf(SelectedDate)) {
        const SYSTEMTIME selection = SystemTimeOf(*day);
        m_calendar.SetCurSel(&selection);
    }
}

// Esc and the close box end the dialog without reading the calendar; reading it here hands back
// the selected day whichever way the dialog ended.
void CDateSelectDialog::OnDestroy() {
    CDialog::OnDestroy();
    UpdateData(TRUE);
}

// The selected day at 00:00 local time, or where the clocks jumped over that midnight, at the
// moment they jumped to; the selection's time of day is not used.
void CDateSelectDialog::StoreSelection(const SYSTEMTIME& selection) {
    const CalendarDay day = DayOf(selection);
    if (const std::optional<CalendarTime> start = StartOfLocalDay(day)) {
        SelectedDate = *start;
        m_dayWithoutTimeValue.reset();
    } else {
        m_dayWithoutTimeValue = day;
    }
}

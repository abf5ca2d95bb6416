// The three Select buttons: the day picked in the date dialog into one date field.
#include "../app/PortfolioDialog.h"

#include "DateSelectDialog.h"

#include <optional>

// The calendar always opens on today, whatever the field holds.
void CPortfolioDialog::SelectDate(std::string& targetField) {
    UpdateData(TRUE);
    CDateSelectDialog dialog(this);
    dialog.SelectedDate = CurrentCalendarTime();
    dialog.DoModal();
    if (const std::optional<CalendarDay> day = dialog.SelectedDay()) {
        targetField = DateText(*day);
    }
    UpdateData(FALSE);
}

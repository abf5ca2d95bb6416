#include "EditingTest.h"
#include "ScopedTimeZone.h"

#include <functional>

namespace {

class DateSelectionTest : public EditingTest {
protected:
    // Each Select button and the one date field it fills.
    struct SelectButton {
        int button;
        int field;
    };
    static constexpr SelectButton kSelectButtons[] = {
        {IDC_SELECT_PURCHASEDATE, IDC_PURCHASEDATE},
        {IDC_SELECT_CURRENTDATE, IDC_CURRENTDATE},
        {IDC_SELECT_SALEDATE, IDC_SALEDATE},
    };

    // The ways a person ends the date dialog.
    struct Ending {
        const char* name;
        std::function<void(CDialog&)> end;
    };
    static std::vector<Ending> Endings() {
        return {
            {"the Return button", [](CDialog& d) { drive::Click(d, IDOK); }},
            {"the Enter key", [](CDialog& d) { drive::Press(d, drive::Key::Enter); }},
            {"the Esc key", [](CDialog& d) { drive::Press(d, drive::Key::Escape); }},
            {"the close box", [](CDialog& d) { drive::CloseBox(d); }},
        };
    }

    // Scripts the next date dialog: end it the given way, which must close it.
    void EndNext(std::function<void(CDialog&)> end) {
        m_modal.On(IDD_DATESELECT, [=](CDialog& calendar) {
            end(calendar);
            EXPECT_FALSE(drive::IsRunning(calendar));
        });
    }
    // Scripts the next date dialog: pick the day, then end it the given way.
    void PickNext(int year, int month, int day, std::function<void(CDialog&)> end) {
        m_modal.On(IDD_DATESELECT, [=](CDialog& calendar) {
            drive::PickCalendarDay(calendar, IDC_CALENDAR, year, month, day);
            EXPECT_EQ(drive::FocusedControl(calendar), IDC_CALENDAR);
            end(calendar);
            EXPECT_FALSE(drive::IsRunning(calendar));
        });
    }
};

TEST_F(DateSelectionTest, SelectThenReturnWritesTodayIntoItsOwnFieldOnly) {
    for (const SelectButton& select : kSelectButtons) {
        SCOPED_TRACE(select.button);
        EndNext([](CDialog& calendar) { drive::Click(calendar, IDOK); });
        RunMainDialog([&](CPortfolioDialog& dialog) {
            drive::Click(dialog, select.button);
            EXPECT_EQ(m_modal.opened.back(), IDD_DATESELECT);
            for (const SelectButton& other : kSelectButtons) {
                EXPECT_EQ(dialog.GetDlgItemText(other.field),
                          other.field == select.field ? DayFromToday(0) : "");
            }
        });
    }
}

TEST_F(DateSelectionTest, EveryWayOfEndingHandsBackTheSelectedDay) {
    for (const Ending& ending : Endings()) {
        SCOPED_TRACE(ending.name);
        EndNext(ending.end);
        PickNext(1999, 12, 31, ending.end);
        RunMainDialog([&](CPortfolioDialog& dialog) {
            drive::Click(dialog, IDC_SELECT_CURRENTDATE);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_CURRENTDATE), DayFromToday(0));
            drive::Click(dialog, IDC_SELECT_CURRENTDATE);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_CURRENTDATE), "1999-12-31");
            EXPECT_TRUE(drive::IsRunning(dialog));
        });
    }
}

TEST_F(DateSelectionTest, TheCalendarOpensOnTodayWhateverTheFieldHolds) {
    PickNext(1987, 10, 19, [](CDialog& calendar) { drive::Click(calendar, IDOK); });
    m_modal.On(IDD_DATESELECT, [](CDialog& calendar) {
        EXPECT_EQ(drive::CalendarSelection(calendar, IDC_CALENDAR), DayFromToday(0));
        EXPECT_EQ(drive::CalendarShownMonth(calendar, IDC_CALENDAR), DayFromToday(0).substr(0, 7));
        drive::Press(calendar, drive::Key::Escape);
    });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Click(dialog, IDC_SELECT_SALEDATE);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_SALEDATE), "1987-10-19");
        drive::Click(dialog, IDC_SELECT_SALEDATE);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_SALEDATE), DayFromToday(0));
    });
}

TEST_F(DateSelectionTest, WhatWasTypedIntoTheOtherFieldsSurvives) {
    PickNext(2010, 1, 2, [](CDialog& calendar) { drive::Click(calendar, IDOK); });
    PickNext(2011, 3, 4, [](CDialog& calendar) { drive::Click(calendar, IDOK); });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Click(dialog, IDC_SELECT_SALEDATE);
        TypeEntry(dialog, {"IBM", "100", "12.50", "13.10", "14", "not yet added"});
        drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
        EXPECT_EQ(Form(dialog), (Texts{"IBM", "100", "12.50", "2011-03-04", "13.10", "", "14",
                                       "2010-01-02", "not yet added"}));
        EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
    });
}

TEST_F(DateSelectionTest, TheDialogIsAModalCalendarCentredOnTheMainDialog) {
    RunMainDialog([&](CPortfolioDialog& dialog) {
        drive::Type(dialog, IDC_TICKER, "IBM");
        m_modal.On(IDD_DATESELECT, [&](CDialog& calendar) {
            EXPECT_EQ(drive::Caption(calendar), "Date Selection");
            EXPECT_EQ(calendar.GetDlgItemText(IDOK), "Return");
            EXPECT_EQ(drive::TabOrder(calendar), (std::vector<int>{IDC_CALENDAR, IDOK}));
            EXPECT_EQ(drive::FocusedControl(calendar), IDC_CALENDAR);
            const std::string today = DayFromToday(0);
            const int year = std::stoi(today.substr(0, 4));
            const int month = std::stoi(today.substr(5, 2));
            const int day = std::stoi(today.substr(8, 2));
            EXPECT_TRUE(drive::CalendarMarksDay(calendar, IDC_CALENDAR, year, month, day));
            EXPECT_FALSE(
                drive::CalendarMarksDay(calendar, IDC_CALENDAR, year, month, day == 1 ? 2 : 1));
            EXPECT_FALSE(drive::CalendarShowsWeekNumbers(calendar, IDC_CALENDAR));

            const CRect main = drive::ScreenRect(dialog);
            const CRect date = drive::ScreenRect(calendar);
            EXPECT_NEAR(date.left + date.Width() / 2, main.left + main.Width() / 2, 1);
            EXPECT_NEAR(date.top + date.Height() / 2, main.top + main.Height() / 2, 1);

            // Clicks on the main dialog do not reach it while the calendar is open.
            drive::ClickOnScreen(dialog, IDC_CLEAR);
            drive::ClickOnScreen(dialog, IDC_ADD);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "IBM");
            EXPECT_EQ(drive::ListRowCount(dialog, IDC_ENTRYLIST), 0);
            EXPECT_TRUE(drive::IsRunning(calendar));
            drive::Click(calendar, IDOK);
        });
        drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
        EXPECT_EQ(m_modal.opened.back(), IDD_DATESELECT);
        // Once it has closed, the same click does reach the main dialog.
        drive::ClickOnScreen(dialog, IDC_CLEAR);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_TICKER), "");
    });
}

// Tab, Space, Enter and the arrow keys alone open the calendar, move its selection and close it.
TEST_F(DateSelectionTest, ADayIsPickedFromTheKeyboard) {
    if (RunsUnderWine()) {
        GTEST_SKIP() << "wine's month calendar does not move its selection with the arrow keys";
    }
    EndNext([](CDialog& calendar) {
        drive::Press(calendar, drive::Key::Down);
        drive::Press(calendar, drive::Key::Enter);
    });
    EndNext([](CDialog& calendar) {
        drive::Press(calendar, drive::Key::Up);
        drive::Press(calendar, drive::Key::Tab);
        EXPECT_EQ(drive::FocusedControl(calendar), IDOK);
        drive::Press(calendar, drive::Key::Space);
    });
    RunMainDialog([&](CPortfolioDialog& dialog) {
        ASSERT_TRUE(TabTo(dialog, IDC_SELECT_SALEDATE));
        drive::Press(dialog, drive::Key::Space);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_SALEDATE), DayFromToday(7));
        ASSERT_TRUE(TabTo(dialog, IDC_SELECT_PURCHASEDATE));
        drive::Press(dialog, drive::Key::Enter);
        EXPECT_EQ(dialog.GetDlgItemText(IDC_PURCHASEDATE), DayFromToday(-7));
        EXPECT_TRUE(drive::IsRunning(dialog));
    });
    EXPECT_EQ(m_modal.opened,
              (std::vector<UINT>{IDD_QUILLFOLIO_DIALOG, IDD_DATESELECT, IDD_DATESELECT}));
}

// Days on both sides of the first time value and of the last 32-bit one come back as picked in
// the machine's own time zone, also where its time functions cannot convert them.
TEST_F(DateSelectionTest, DaysAroundTheEndsOfTimeValuesComeBackAsPicked) {
    const struct {
        int year, month, day;
    } cases[] = {{1969, 12, 31}, {1970, 1, 1}, {2038, 1, 19}, {2038, 1, 20}, {2040, 2, 29}};
    for (const auto& c : cases) {
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
        SCOPED_TRACE(text);
        PickNext(c.year, c.month, c.day, [](CDialog& calendar) { drive::Click(calendar, IDOK); });
        RunMainDialog([&](CPortfolioDialog& dialog) {
            drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PURCHASEDATE), text);
        });
    }
}

// Needs time zones by name (ScopedTimeZone.h).
#ifndef _WIN32
// Whatever day is picked comes back as that day: far from 1970, past the end of 32-bit time
// values, in daylight saving time, on the days the clocks change, on days whose midnight the
// clocks jump over, and on a day the time zone skipped altogether.
TEST_F(DateSelectionTest, EveryDayComesBackAsPickedInEveryTimeZone) {
    const struct {
        const char* zone;
        int year, month, day;
    } cases[] = {
        {"America/New_York", 1601, 1, 1},     {"America/New_York", 1950, 3, 5},
        {"America/New_York", 1969, 12, 31},   {"America/New_York", 2024, 3, 10},
        {"America/New_York", 2024, 11, 3},    {"America/New_York", 2038, 1, 19},
        {"Europe/London", 1970, 1, 1},        {"Europe/London", 2024, 3, 31},
        {"Europe/London", 2024, 7, 15},       {"Europe/London", 2024, 10, 27},
        {"Europe/London", 2040, 7, 4},        {"Europe/London", 9999, 12, 31},
        {"America/Sao_Paulo", 1985, 11, 2},   {"America/Sao_Paulo", 2018, 11, 4},
        {"America/Sao_Paulo", 2019, 2, 17},   {"America/Sao_Paulo", 2106, 2, 7},
        {"Australia/Lord_Howe", 2023, 10, 1}, {"Australia/Lord_Howe", 2024, 4, 7},
        {"Australia/Lord_Howe", 2024, 1, 15}, {"Pacific/Apia", 2011, 12, 29},
        {"Pacific/Apia", 2011, 12, 30},       {"Pacific/Apia", 2011, 12, 31},
    };
    for (const auto& c : cases) {
        const ScopedTimeZone zone(c.zone);
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
        SCOPED_TRACE(std::string(c.zone) + " " + text);
        PickNext(c.year, c.month, c.day, [](CDialog& calendar) { drive::Click(calendar, IDOK); });
        PickNext(c.year, c.month, c.day,
                 [](CDialog& calendar) { drive::Press(calendar, drive::Key::Escape); });
        RunMainDialog([&](CPortfolioDialog& dialog) {
            drive::Click(dialog, IDC_SELECT_PURCHASEDATE);
            drive::Click(dialog, IDC_SELECT_SALEDATE);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_PURCHASEDATE), text);
            EXPECT_EQ(dialog.GetDlgItemText(IDC_SALEDATE), text);
        });
    }
}
#endif

} // namespace

#include "ScopedTimeZone.h"

#include "../../src/editing/CalendarDate.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <vector>

std::ostream& operator<<(std::ostream& out, const CalendarDay& day) { return out << DateText(day); }

namespace {

TEST(DateTextTest, PadsMonthAndDayToTwoDigitsAndLeavesTheYearAsItIs) {
    const struct {
        CalendarDay day;
        const char* text;
    } cases[] = {
        {{2007, 3, 5}, "2007-03-05"}, {{2007, 12, 25}, "2007-12-25"}, {{1999, 10, 1}, "1999-10-01"},
        {{1601, 1, 1}, "1601-01-01"}, {{9999, 12, 31}, "9999-12-31"}, {{2040, 2, 29}, "2040-02-29"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateText(c.day), c.text);
    }
}

// The tests from here on need time zones by name (ScopedTimeZone.h).
#ifndef _WIN32

// Zones whose clocks jump in every way the calendar has to survive: at midnight (Sao Paulo,
// Havana, Tehran), by half an hour (Lord Howe), over a whole day (Apia, Kiritimati), and the
// ordinary changes at night (London, New York).
const char* const kZones[] = {
    "UTC",
    "Europe/London",
    "America/New_York",
    "America/Sao_Paulo",
    "America/Havana",
    "Asia/Tehran",
    "Australia/Lord_Howe",
    "Pacific/Apia",
    "Pacific/Kiritimati",
};

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

class LocalDayTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path("/usr/share/zoneinfo") / GetParam())) {
            GTEST_FAIL() << "the time zone database (tzdata) lacks " << GetParam();
        }
    }
};

// Every day the zone had starts at a moment of that day, and the second before it belongs to an
// earlier day; a day the zone skipped has no start.
TEST_P(LocalDayTest, EveryDayStartsAtItsFirstMoment) {
    const ScopedTimeZone zone(GetParam());
    std::vector<CalendarDay> skipped;
    for (int year = 1890; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const CalendarDay wanted{year, month, day};
                const std::optional<CalendarTime> start = StartOfLocalDay(wanted);
                if (!start) {
                    skipped.push_back(wanted);
                    continue;
                }
                ASSERT_EQ(LocalDayOf(*start), wanted) << GetParam();
                ASSERT_LT(LocalDayOf(*start - 1), wanted) << GetParam();
            }
        }
    }
    const std::string zoneName = GetParam();
    const std::vector<CalendarDay> expected =
        zoneName == "Pacific/Apia"         ? std::vector<CalendarDay>{{2011, 12, 30}}
        : zoneName == "Pacific/Kiritimati" ? std::vector<CalendarDay>{{1994, 12, 31}}
                                           : std::vector<CalendarDay>{};
    EXPECT_EQ(skipped, expected);
}

// Far from 1970 and past the end of 32-bit time values.
TEST_P(LocalDayTest, DaysAtTheEndsOfTheCalendarComeBack) {
    const ScopedTimeZone zone(GetParam());
    const CalendarDay days[] = {
        {1601, 1, 1},  {1752, 9, 14}, {1900, 2, 28}, {1969, 12, 31}, {1970, 1, 1},
        {2038, 1, 19}, {2038, 1, 20}, {2106, 2, 7},  {2999, 6, 15},  {9999, 12, 31},
    };
    for (const CalendarDay& day : days) {
        const std::optional<CalendarTime> start = StartOfLocalDay(day);
        ASSERT_TRUE(start.has_value()) << day;
        EXPECT_EQ(LocalDayOf(*start), day);
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, LocalDayTest, testing::ValuesIn(kZones),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// Where the clocks jump over midnight the day starts at the moment they jump to.
TEST(StartOfLocalDayTest, IsTheMomentTheClocksJumpToWhenMidnightIsSkipped) {
    const struct {
        const char* zone;
        CalendarDay day;
        CalendarTime start;
    } cases[] = {
        {"America/Sao_Paulo", {2018, 11, 4}, 1541300400},   // 00:00 -03 became 01:00 -02
        {"America/Sao_Paulo", {1985, 11, 2}, 499748400},    // the same, before 32-bit trouble
        {"America/Sao_Paulo", {2019, 2, 17}, 1550372400},   // clocks went back at midnight
        {"America/Havana", {2024, 3, 10}, 1710046800},      // 00:00 -05 became 01:00 -04
        {"Asia/Tehran", {2022, 3, 22}, 1647894600},         // 00:00 +03:30 became 01:00 +04:30
        {"Australia/Lord_Howe", {2023, 10, 1}, 1696080600}, // the half-hour jump is at 02:00
        {"Europe/London", {2024, 3, 31}, 1711843200},
        {"America/New_York", {2024, 11, 3}, 1730606400},
        {"Pacific/Apia", {2011, 12, 31}, 1325239200}, // the day after the skipped one
    };
    for (const auto& c : cases) {
        const ScopedTimeZone zone(c.zone);
        EXPECT_EQ(StartOfLocalDay(c.day), c.start) << c.zone << " " << c.day;
    }
}

TEST(StartOfLocalDayTest, HasNoValueForADayTheZoneSkipped) {
    const ScopedTimeZone zone("Pacific/Apia");
    EXPECT_EQ(StartOfLocalDay({2011, 12, 30}), std::nullopt);
}

TEST(LocalDayOfTest, FollowsTheTimeZone) {
    const CalendarTime moment = 1325239200; // 2011-12-30 10:00 UTC
    const struct {
        const char* zone;
        CalendarDay day;
    } cases[] = {
        {"UTC", {2011, 12, 30}},
        {"Pacific/Apia", {2011, 12, 31}},
        {"America/New_York", {2011, 12, 30}},
        {"Pacific/Honolulu", {2011, 12, 30}},
        {"Pacific/Midway", {2011, 12, 29}},
    };
    for (const auto& c : cases) {
        const ScopedTimeZone zone(c.zone);
        EXPECT_EQ(LocalDayOf(moment), c.day) << c.zone;
    }
}

#endif

} // namespace

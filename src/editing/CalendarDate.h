// Days of the calendar, their text in a date field, and the time values that stand for them in
// the machine's local time zone.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

// Seconds since 1 January 1970 00:00:00 UTC. Always 64 bits, so that days before 1970 and after
// January 2038 have a time value too.
using CalendarTime = std::int64_t;

// A day of the Gregorian calendar, apart from any time zone.
struct CalendarDay {
    int year;
    int month; // 1 to 12
    int day;   // 1 to 31

    auto operator<=>(const CalendarDay&) const = default;
};

// Year, "-", two-digit month, "-", two-digit day: 2007-03-05.
std::string DateText(const CalendarDay& day);

// The present moment.
CalendarTime CurrentCalendarTime();

// The local day that the moment falls on; nullopt when the time functions cannot convert it.
std::optional<CalendarDay> LocalDayOf(CalendarTime moment);

// The first moment of the local day: its midnight, or where the clocks jumped over midnight,
// the moment they jumped to. nullopt when the time functions give no moment of that day: for a
// day the zone skipped, or one they cannot convert.
std::optional<CalendarTime> StartOfLocalDay(const CalendarDay& day);

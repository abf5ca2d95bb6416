#include "CalendarDate.h"

#include <ctime>
#include <type_traits>

static_assert(sizeof(std::time_t) >= sizeof(CalendarTime) && std::is_signed_v<std::time_t>,
              "days before 1970 and after 2038 need a signed 64-bit time_t");

namespace {

std::string TwoDigits(int number) {
    std::string text = std::to_string(number);
    return text.size() < 2 ? "0" + text : text;
}

// The local midnight of the day, daylight saving time decided by the zone's rules. A midnight
// that the clocks jumped over comes back moved by the jump.
std::optional<CalendarTime> LocalMidnight(const CalendarDay& day) {
    constexpr int kUnset = 7;
    std::tm fields{};
    fields.tm_year = day.year - 1900;
    fields.tm_mon = day.month - 1;
    fields.tm_mday = day.day;
    fields.tm_isdst = -1;
    fields.tm_wday = kUnset; // mktime sets it only when it succeeds
    const std::time_t moment = std::mktime(&fields);
    if (moment == -1 && fields.tm_wday == kUnset) {
        return std::nullopt;
    }
    return moment;
}

} // namespace

std::string DateText(const CalendarDay& day) {
    return std::to_string(day.year) + "-" + TwoDigits(day.month) + "-" + TwoDigits(day.day);
}

CalendarTime CurrentCalendarTime() { return std::time(nullptr); }

std::optional<CalendarDay> LocalDayOf(CalendarTime moment) {
    const std::time_t time = moment;
    const std::tm* local = std::localtime(&time);
    if (local == nullptr) {
        return std::nullopt;
    }
    return CalendarDay{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

// A midnight that the clocks jumped over is moved forward to the moment they jumped to, still on
// the day; moved to another day, it is no moment of the day.
std::optional<CalendarTime> StartOfLocalDay(const CalendarDay& day) {
    const std::optional<CalendarTime> midnight = LocalMidnight(day);
    if (!midnight || LocalDayOf(*midnight) != day) {
        return std::nullopt;
    }
    return midnight;
}

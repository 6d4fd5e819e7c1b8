// Where the calendar window's steps lead.
#include "windows/month_navigation.h"

#include "core/local_time.h"

#include "core/hijri.h"

namespace salvenor {

namespace {

std::optional<ShownMonth> IfInCalendar(const ShownMonth& next) {
    if (!MonthInCalendar(next.kind, next.year, next.month)) {
        return std::nullopt;
    }
    return next;
}

}  // namespace

bool MonthInCalendar(CalendarKind kind, int year, int month) {
    return kind == CalendarKind::Hijri ? HijriMonthSupported(year, month)
                                       : GregorianMonthSupported(year, month);
}

std::optional<ShownMonth> AfterMonthStep(const ShownMonth& shown, int step) {
    ShownMonth next = shown;
    next.month -= step;
    if (next.month < 1) {
        next.month = 12;
        --next.year;
    } else if (next.month > 12) {
        next.month = 1;
        ++next.year;
    }
    return IfInCalendar(next);
}

std::optional<ShownMonth> AfterYearStep(const ShownMonth& shown, int step) {
    ShownMonth next = shown;
    next.year -= step;
    if (next.year == 0) {
        next.year = 1;
    }
    next.month = 1;
    return IfInCalendar(next);
}

ShownMonth CurrentMonth(CalendarKind kind, int day, int month, int year, int hijriAdjustDays) {
    if (kind == CalendarKind::Gregorian) {
        return {kind, year, month};
    }
    const HijriDate today = GregorianToHijriShifted(day, month, year, hijriAdjustDays);
    return {kind, today.year, today.month};
}

GregorianSpan GregorianDaysOf(const ShownMonth& shown) {
    const auto first = [&shown](int year, int month) {
        return shown.kind == CalendarKind::Hijri ? HijriToGregorian({1, month, year})
                                                 : GregorianDate{1, month, year};
    };
    const int nextYear = shown.month == 12 ? shown.year + 1 : shown.year;
    const int nextMonth = shown.month == 12 ? 1 : shown.month + 1;
    const GregorianDate start = first(shown.year, shown.month);
    const GregorianDate end = first(nextYear, nextMonth);
    // Whole days between the two noons (a day of 23 or 25 hours rounds to one).
    const std::int64_t seconds = MakeLocal(end.year, end.month, end.day, 12, 0, 0) -
                                 MakeLocal(start.year, start.month, start.day, 12, 0, 0);
    return {start, static_cast<int>((seconds + 43200) / 86400)};
}

}  // namespace salvenor

// Where the calendar window's steps lead.
#include "windows/month_navigation.h"

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

}  // namespace salvenor

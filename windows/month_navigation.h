// Which month the calendar window shows, and where each of its steps leads: plain rules over the
// calendars' supported range, kept out of the window so that they are checked without a screen.
#pragma once

#include <optional>

#include "core/hijri.h"
#include "pages/month_page.h"

namespace salvenor {

struct ShownMonth {
    CalendarKind kind = CalendarKind::Hijri;
    int year = 1;
    int month = 1;  // 1..12

    bool operator==(const ShownMonth&) const = default;
};

// Whether `month` of `year` lies within what the calendar of `kind` serves (from the Hijri epoch to
// the year 9999).
bool MonthInCalendar(CalendarKind kind, int year, int month);

// The month spin: `step` is -1 for its forward (right) arrow and +1 for its back (left) arrow.
// The month moves by one, across the year's end both ways. Empty when that leaves the calendar.
std::optional<ShownMonth> AfterMonthStep(const ShownMonth& shown, int step);

// The year spin: `step` is -1 for its up arrow and +1 for its down arrow. The year moves by one
// (from the year 1 downward it stays 1) and the first month of that year is shown. Empty when
// that leaves the calendar.
std::optional<ShownMonth> AfterYearStep(const ShownMonth& shown, int step);

// The Gregorian days a shown month covers: its first day and how many there are (a Hijri month
// has 29 or 30 of them by the arithmetic conversion).
struct GregorianSpan {
    GregorianDate first;
    int days = 0;
};
GregorianSpan GregorianDaysOf(const ShownMonth& shown);

// The month of `kind` that holds the local Gregorian date day/month/year (the Hijri one by the
// arithmetic conversion, shifted by the user's Hijri day adjustment).
ShownMonth CurrentMonth(CalendarKind kind, int day, int month, int year, int hijriAdjustDays = 0);

}  // namespace salvenor

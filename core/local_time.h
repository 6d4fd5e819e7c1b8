// Breaking clock times down into local or UTC calendar fields and building them back, through the
// C library, so that the TZ environment variable decides the zone.
#pragma once

#include <cstdint>

namespace salvenor {

struct CalendarFields {
    int year = 1970;            // four-digit year
    int month = 1;              // 1..12
    int day = 1;                // 1..31
    int hour = 0;               // 0..23
    int minute = 0;             // 0..59
    int second = 0;             // 0..60
    int weekday = 0;            // 0..6, Sunday = 0
    int yearDay = 0;            // 0..365
    int isDst = 0;              // the C library's flag: 1 daylight saving, 0 not, -1 unknown
    long gmtOffsetSeconds = 0;  // local time minus UTC, daylight saving included
};

CalendarFields BreakLocal(std::int64_t t);
CalendarFields BreakUtc(std::int64_t t);

// Whether daylight saving is in force in fields broken down by BreakLocal: the one reading of the
// C library's flag. The flag is positive under daylight saving, 0 under standard time, and
// negative when the library cannot tell (a state mktime is asked to decide; localtime_r itself
// always decides). An unknown state counts as standard time: no hour is added to the prayer
// times on a guess, and a zone without daylight saving, where the flag is always 0, reads the same.
bool DaylightSavingIn(const CalendarFields& local);

// Whether daylight saving is in force on the local clock at `t` (seconds since 1970).
bool DaylightSavingAt(std::int64_t t);

// The clock time of a local date and time, the daylight-saving flag left to the library.
// Out-of-range fields are normalised as mktime does (day 32 is the first of the next month).
std::int64_t MakeLocal(int year, int month, int day, int hour, int minute, int second);

// The same with the daylight-saving state given instead of left to the library: a local clock
// time read under that state. Fields out of range are normalised (hour 25 is 1:00 the next day).
std::int64_t MakeLocalUnder(bool daylightSaving, int year, int month, int day, int hour, int minute,
                            int second);

// Whether year-month-day is a day of the calendar the C library's clock counts: the Gregorian
// calendar with its century rule (a year divisible by 100 is a leap year only when divisible by
// 400, so 2000-02-29 exists and 1900-02-29 and 2100-02-29 do not). MakeLocal moves a day that
// does not exist into the next month. The Hijri conversions' own month table has no century
// rule (see month_days.h); a date the clock does not have would be computed as another day.
bool ClockDateExists(int year, int month, int day);

// Makes the next break-down read the zone again: localtime_r keeps the zone it read first, even
// after TZ or the system's zone file (/etc/localtime) has changed. Cheap: the C library reads the
// zone file only when TZ or the file has changed.
void RefreshLocalZone();

}  // namespace salvenor

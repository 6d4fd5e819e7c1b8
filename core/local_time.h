// Breaking clock times down into local or UTC calendar fields and building them back, through the
// C library, so that the TZ environment variable decides the zone. After TZ or the system's zone
// changes, call tzset() before the next break-down: localtime_r does not look again by itself.
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

// The clock time of a local date and time, the daylight-saving flag left to the library.
// Out-of-range fields are normalised as mktime does (day 32 is the first of the next month).
std::int64_t MakeLocal(int year, int month, int day, int hour, int minute, int second);

}  // namespace salvenor

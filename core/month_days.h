// The process-wide table of Gregorian month lengths. Its February entry is rewritten by every
// prayer-time computation and every Gregorian-to-Hijri conversion for the year in hand, and the
// month pages read it after such a conversion; the program has one user-interface thread.
#pragma once

#include <array>

namespace salvenor {

// January first; February holds 28 or 29 for the year most recently computed or converted.
extern std::array<int, 12> GregorianMonthDays;

// Sets the February entry for the year: 29 when the year is divisible by 4, else 28 (the table's
// calendar has no century exception: 1900 and 2100 count as leap years).
void SetFebruaryFor(int year);

}  // namespace salvenor

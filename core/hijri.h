// The arithmetic Hijri calendar: conversions both ways (a mean year of 354.367 days and month of
// 29.53058 days), the name tables, the Hijri date text and the occasions of the Hijri year.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace salvenor {

struct HijriDate {
    int day = 1;    // 1..30
    int month = 1;  // 1..12, Muharram = 1
    int year = 1;
};

struct GregorianDate {
    int day = 1;    // 1..31
    int month = 1;  // 1..12
    int year = 1970;
};

// Side effect: the February entry of GregorianMonthDays is set for `year`.
HijriDate GregorianToHijri(int day, int month, int year);

// Reads and writes no shared state.
GregorianDate HijriToGregorian(const HijriDate& date);

// The conversions with the user's Hijri day shift (after the local moon sighting): the Hijri date
// of a Gregorian day is the arithmetic one of the day `adjustDays` later, and the Gregorian day of
// a Hijri date is `adjustDays` earlier. With 0 they are the plain conversions above.
HijriDate GregorianToHijriShifted(int day, int month, int year, int adjustDays);
GregorianDate HijriToGregorianShifted(const HijriDate& date, int adjustDays);

// The dates the calendars serve: from the Hijri epoch, which this arithmetic puts on 28 July 622
// (1 Muharram 1), to the year 9999 of either calendar. Before the epoch the conversions give
// Hijri years of 0 or less, and the month pages would show negative day numbers.
inline constexpr int MaxCalendarYear = 9999;

// Hijri year 1..9999 and month 1..12.
bool HijriMonthSupported(int year, int month);
// Gregorian year up to 9999, month 1..12, and every day of the month on or after the epoch (the
// first such month is August 622).
bool GregorianMonthSupported(int year, int month);
// A real day of a supported Gregorian month's calendar (February has 29 days in years divisible
// by 4) that lies on or after the epoch.
bool GregorianDateSupported(int year, int month, int day);

// "%d of %s, %d": the Hijri day, month name and year of the local calendar day of `t`.
std::string FormatHijriDate(std::int64_t t);
// The same with the Hijri day shift.
std::string FormatHijriDate(std::int64_t t, int adjustDays);

extern const std::array<const char*, 12> HijriMonthNames;
extern const std::array<const char*, 12> HijriMonthAbbrevs;
extern const std::array<const char*, 12> GregorianMonthNames;
extern const std::array<const char*, 12> GregorianMonthAbbrevs;
extern const std::array<const char*, 7> WeekdayNames;  // Sunday first

// The kinds map to cell colours on the month pages, so their values are fixed.
enum class OccasionKind : int { None = 0, Feast = 1, Occasion = 2, RamadanNight = 10 };

// The occasion texts collected while one month page is built, in the order found.
struct OccasionList {
    static constexpr int Capacity = 30;
    std::array<const char*, Capacity> texts{};
    int count = 0;
    bool eidFitrListed = false;
    bool eidAdhaListed = false;
};

// The one list of the process (one user-interface thread).
extern OccasionList occasionList;

// Empties occasionList and clears both feast flags.
void ResetOccasions();

// The kind of Hijri day `day` of month `month`; may append that day's text to occasionList.
OccasionKind LookupOccasion(int day, int month);

}  // namespace salvenor

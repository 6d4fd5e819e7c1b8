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

// "%d of %s, %d": the Hijri day, month name and year of the local calendar day of `t`.
std::string FormatHijriDate(std::int64_t t);

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

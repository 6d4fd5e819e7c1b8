// The arithmetic Hijri calendar: both conversions, the name tables, the Hijri date text and the
// occasions of the Hijri year with the list a month page collects them in.
#include "core/hijri.h"

#include <chrono>
#include <cmath>
#include <cstddef>

#include "core/local_time.h"
#include "core/month_days.h"
#include "core/texts.h"  // QT_TRANSLATE_NOOP

namespace salvenor {

namespace {

// Every step below is one IEEE double operation, written as its own statement and in a fixed
// order: a day boundary can hang on the last bit, so the order must not change, divisions by the
// year lengths stay multiplications by these reciprocals, and no step may be fused with the next.
constexpr double kHijriYearsPerDay = 0.0028219331935535755;      // nearest double to 1 / 354.367
constexpr double kGregorianYearsPerDay = 0.0027378507871321013;  // nearest double to 1 / 365.25
constexpr double kHijriYearDays = 354.367;
constexpr double kHijriMonthDays = 29.53058;
constexpr double kGregorianYearDays = 365.25;

// The integer part of x, cut toward zero, kept as a double.
double Trunc(double x) {
    return std::trunc(x);
}

// The fractional part of x, with the sign of x.
double Frac(double x) {
    return x - std::trunc(x);
}

// The nearest integer for the non-negative values used here, a half going up.
double Nearest(double x) {
    return Frac(x) >= 0.5 ? Trunc(x) + 1.0 : Trunc(x);
}

// The integer part of x as an int. Any date people use lies far inside the int range; the clamp
// only keeps absurd inputs (years near INT_MAX) from an undefined conversion, with room left for
// the 622 years added to a Gregorian year.
int TruncToInt(double x) {
    constexpr double kLimit = 2.0e9;
    if (!(x > -kLimit)) {
        return -2'000'000'000;
    }
    if (!(x < kLimit)) {
        return 2'000'000'000;
    }
    return static_cast<int>(x);  // the conversion itself cuts toward zero
}

// The length of a Gregorian month by the calendar's own leap rule (every fourth year, no century
// exception), without the shared table. Months outside 1..12 only come out of dates before the
// epoch; they have no length, so a day computed from them falls to its floor of 1.
int MonthLength(int month, int year) {
    static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2) {
        return year % 4 == 0 ? 29 : 28;
    }
    return kLengths[static_cast<std::size_t>(month - 1)];
}

const char* HijriMonthName(int month) {
    return month >= 1 && month <= 12 ? HijriMonthNames[static_cast<std::size_t>(month - 1)] : "";
}

// Each occasion text is a label, the colour mark-up and a title, with nothing between them; a
// translation keeps the mark-up and writes the day in its own digits.
constexpr const char* kMuharram1 = QT_TRANSLATE_NOOP("salvenor",
                                                     "1 Muhaaran: "
                                                     "<font color=\"#800040\">"
                                                     " Start of the Hijri Calendar");
constexpr const char* kSafar27 = QT_TRANSLATE_NOOP("salvenor",
                                                   "2 Safar: "
                                                   "<font color=\"#800040\">"
                                                   "Hijra from Makka to Madina");
constexpr const char* kRabyAwal12 = QT_TRANSLATE_NOOP("salvenor",
                                                      "12 of Raby` al-awal: "
                                                      "<font color=\"#800040\">"
                                                      "The Birth of Prophet Muhammad (SAAWS)");
constexpr const char* kRajab27 = QT_TRANSLATE_NOOP("salvenor",
                                                   "27 of Rajab: "
                                                   "<font color=\"#800040\">"
                                                   "Isra' and Mi'raj");
constexpr const char* kRamadan1 = QT_TRANSLATE_NOOP("salvenor",
                                                    "1  Ramadan: "
                                                    "<font color=\"#800040\">"
                                                    "Start Of Ramadan");
constexpr const char* kRamadan17 = QT_TRANSLATE_NOOP("salvenor",
                                                     "17 Ramadan: "
                                                     "<font color=\"#800040\">"
                                                     "Battle of Badr");
constexpr const char* kRamadan21 = QT_TRANSLATE_NOOP("salvenor",
                                                     "21 Ramadan: "
                                                     "<font color=\"#800040\">"
                                                     "Conquest of Makkah");
constexpr const char* kEidAlFitr = QT_TRANSLATE_NOOP("salvenor",
                                                     "1,2,3 Shawwal: "
                                                     "<font color=\"#800040\">"
                                                     "Eid Al-Fitr");
constexpr const char* kShawwal6 = QT_TRANSLATE_NOOP("salvenor",
                                                    "6  Shawwal: "
                                                    "<font color=\"#800040\">"
                                                    "Battle of Uhud");
constexpr const char* kShawwal10 = QT_TRANSLATE_NOOP("salvenor",
                                                     "10 Shawwal: "
                                                     "<font color=\"#800040\">"
                                                     "Battle of Hunayn");
constexpr const char* kQidah17 = QT_TRANSLATE_NOOP("salvenor",
                                                   "17 of Thw al-Qi`dah: "
                                                   "<font color=\"#800040\">"
                                                   "Battle of Al-Ahzab");
constexpr const char* kArafah = QT_TRANSLATE_NOOP("salvenor",
                                                  "9  of Thw al-Hijjah: "
                                                  "<font color=\"#800040\">"
                                                  "Day of Araft");
constexpr const char* kEidAlAdha = QT_TRANSLATE_NOOP("salvenor",
                                                     "10,11,12 of Thw al-Hijjah: "
                                                     "<font color=\"#800040\">"
                                                     "Eid Al-Adha");

// A month page lists at most five texts, far below the capacity; a caller that kept looking days
// up without a reset would run past the end, so once the list is full further texts are dropped
// instead of being written beyond it.
void Append(const char* text) {
    if (occasionList.count < 0 || occasionList.count >= OccasionList::Capacity) {
        return;
    }
    occasionList.texts[static_cast<std::size_t>(occasionList.count)] = text;
    ++occasionList.count;
}

// A day whose text is listed at every lookup.
OccasionKind ListEvery(const char* text, OccasionKind kind) {
    Append(text);
    return kind;
}

// One of a feast's days: every day is coloured, the feast is named once per page.
OccasionKind ListFeastOnce(const char* text, bool& listed) {
    if (!listed) {
        Append(text);
        listed = true;
    }
    return OccasionKind::Feast;
}

}  // namespace

const std::array<const char*, 12> HijriMonthNames = {
    QT_TRANSLATE_NOOP("salvenor", "Muharram"),
    QT_TRANSLATE_NOOP("salvenor", "Safar"),
    QT_TRANSLATE_NOOP("salvenor", "Raby` al-awal"),
    QT_TRANSLATE_NOOP("salvenor", "Raby` al-Thaany"),
    QT_TRANSLATE_NOOP("salvenor", "Jumaada al-awal"),
    QT_TRANSLATE_NOOP("salvenor", "Jumaada al-Thaany"),
    QT_TRANSLATE_NOOP("salvenor", "Rajab"),
    QT_TRANSLATE_NOOP("salvenor", "Sha`baan"),
    QT_TRANSLATE_NOOP("salvenor", "Ramadan"),
    QT_TRANSLATE_NOOP("salvenor", "Shawwal"),
    QT_TRANSLATE_NOOP("salvenor", "Thw al-Qi`dah"),
    QT_TRANSLATE_NOOP("salvenor", "Thw al-Hijjah")};

const std::array<const char*, 12> HijriMonthAbbrevs = {
    QT_TRANSLATE_NOOP("salvenor", "Muhr"), QT_TRANSLATE_NOOP("salvenor", "Safr"),
    QT_TRANSLATE_NOOP("salvenor", "Rab1"), QT_TRANSLATE_NOOP("salvenor", "Rab2"),
    QT_TRANSLATE_NOOP("salvenor", "Jmd1"), QT_TRANSLATE_NOOP("salvenor", "Jmd2"),
    QT_TRANSLATE_NOOP("salvenor", "Rajb"), QT_TRANSLATE_NOOP("salvenor", "Shbn"),
    QT_TRANSLATE_NOOP("salvenor", "Rmdn"), QT_TRANSLATE_NOOP("salvenor", "Shwl"),
    QT_TRANSLATE_NOOP("salvenor", "Qidh"), QT_TRANSLATE_NOOP("salvenor", "Hjah")};

const std::array<const char*, 12> GregorianMonthNames = {
    QT_TRANSLATE_NOOP("salvenor", "January"),   QT_TRANSLATE_NOOP("salvenor", "February"),
    QT_TRANSLATE_NOOP("salvenor", "March"),     QT_TRANSLATE_NOOP("salvenor", "April"),
    QT_TRANSLATE_NOOP("salvenor", "May"),       QT_TRANSLATE_NOOP("salvenor", "June"),
    QT_TRANSLATE_NOOP("salvenor", "July"),      QT_TRANSLATE_NOOP("salvenor", "August"),
    QT_TRANSLATE_NOOP("salvenor", "September"), QT_TRANSLATE_NOOP("salvenor", "October"),
    QT_TRANSLATE_NOOP("salvenor", "November"),  QT_TRANSLATE_NOOP("salvenor", "December")};

const std::array<const char*, 12> GregorianMonthAbbrevs = {
    QT_TRANSLATE_NOOP("salvenor", "JAN"), QT_TRANSLATE_NOOP("salvenor", "FEB"),
    QT_TRANSLATE_NOOP("salvenor", "MAR"), QT_TRANSLATE_NOOP("salvenor", "APR"),
    QT_TRANSLATE_NOOP("salvenor", "MAY"), QT_TRANSLATE_NOOP("salvenor", "JUN"),
    QT_TRANSLATE_NOOP("salvenor", "JUL"), QT_TRANSLATE_NOOP("salvenor", "AUG"),
    QT_TRANSLATE_NOOP("salvenor", "SEP"), QT_TRANSLATE_NOOP("salvenor", "OCT"),
    QT_TRANSLATE_NOOP("salvenor", "NOV"), QT_TRANSLATE_NOOP("salvenor", "DEC")};

const std::array<const char*, 7> WeekdayNames = {
    QT_TRANSLATE_NOOP("salvenor", "Sunday"),   QT_TRANSLATE_NOOP("salvenor", "Monday"),
    QT_TRANSLATE_NOOP("salvenor", "Tuesday"),  QT_TRANSLATE_NOOP("salvenor", "Wednesday"),
    QT_TRANSLATE_NOOP("salvenor", "Thursday"), QT_TRANSLATE_NOOP("salvenor", "Friday"),
    QT_TRANSLATE_NOOP("salvenor", "Saturday")};

OccasionList occasionList;

HijriDate GregorianToHijri(int day, int month, int year) {
    SetFebruaryFor(year);

    // The day of the year. Months outside 1..12 never come from a real date; a month past
    // December counts the whole year (as day 366 of January would) rather than reading past the
    // table, and a month before January counts none.
    const int monthsBefore = month < 1 ? 0 : (month > 12 ? 12 : month - 1);
    double dayOfYear = day;  // a double: exact for every int, and no int overflow on the sum
    for (int m = 0; m < monthsBefore; ++m) {
        dayOfYear += GregorianMonthDays[static_cast<std::size_t>(m)];
    }

    // c: the Hijri year as a real number, counted from 209 days into the Gregorian year 622.
    double c = (year - 622.0) * kGregorianYearDays;
    c = c + dayOfYear;
    c = c - 196.0;
    c = c - 13.0;
    c = c * kHijriYearsPerDay;
    c = c + 1.0;

    const double monthsElapsed = Frac(c) * 12.0;
    const double dayInMonth = Frac(monthsElapsed) * kHijriMonthDays;

    HijriDate result;
    result.day = 1 + TruncToInt(dayInMonth);
    result.month = TruncToInt(monthsElapsed + 1.0);
    result.year = TruncToInt(c);
    return result;
}

GregorianDate HijriToGregorian(const HijriDate& date) {
    // c: the Gregorian years since 622, as a real number.
    const double yearDays = (date.year - 1.0) * kHijriYearDays;
    const double monthDays = (date.month - 1.0) * kHijriMonthDays;
    double c = yearDays + monthDays;
    c = c + date.day;
    c = c + 209.0;
    c = c * kGregorianYearsPerDay;

    double g = Frac(c) * 12.0;
    g = g + 1.0;

    GregorianDate result;
    result.year = TruncToInt(c) + 622;
    result.month = TruncToInt(g);
    const double length = MonthLength(result.month, result.year);
    const int day = TruncToInt(Nearest(Frac(g) * length));
    result.day = day < 1 ? 1 : day;
    return result;
}

namespace {

// 28 July 622: the first day whose Hijri year is 1.
constexpr int EpochYear = 622;
constexpr int EpochMonth = 7;
constexpr int EpochDay = 28;

}  // namespace

bool HijriMonthSupported(int year, int month) {
    return year >= 1 && year <= MaxCalendarYear && month >= 1 && month <= 12;
}

bool GregorianMonthSupported(int year, int month) {
    if (month < 1 || month > 12 || year > MaxCalendarYear) {
        return false;
    }
    return year > EpochYear || (year == EpochYear && month > EpochMonth);
}

bool GregorianDateSupported(int year, int month, int day) {
    if (month < 1 || month > 12 || year > MaxCalendarYear || day < 1 ||
        day > MonthLength(month, year)) {
        return false;
    }
    return GregorianMonthSupported(year, month) ||
           (year == EpochYear && month == EpochMonth && day >= EpochDay);
}

namespace {

// The Gregorian date `days` after day/month/year (proleptic calendar).
GregorianDate AddDays(int day, int month, int year, int days) {
    namespace chr = std::chrono;
    const chr::year_month_day shifted{
        chr::sys_days{chr::year{year} / chr::month{static_cast<unsigned>(month)} /
                      chr::day{static_cast<unsigned>(day)}} +
        chr::days{days}};
    return {static_cast<int>(static_cast<unsigned>(shifted.day())),
            static_cast<int>(static_cast<unsigned>(shifted.month())),
            static_cast<int>(shifted.year())};
}

}  // namespace

HijriDate GregorianToHijriShifted(int day, int month, int year, int adjustDays) {
    if (adjustDays == 0) {
        return GregorianToHijri(day, month, year);
    }
    const GregorianDate shifted = AddDays(day, month, year, adjustDays);
    return GregorianToHijri(shifted.day, shifted.month, shifted.year);
}

GregorianDate HijriToGregorianShifted(const HijriDate& date, int adjustDays) {
    const GregorianDate plain = HijriToGregorian(date);
    return adjustDays == 0 ? plain : AddDays(plain.day, plain.month, plain.year, -adjustDays);
}

std::string FormatHijriDate(std::int64_t t) {
    return FormatHijriDate(t, 0);
}

std::string FormatHijriDate(std::int64_t t, int adjustDays) {
    const CalendarFields local = BreakLocal(t);
    const HijriDate hijri = GregorianToHijriShifted(local.day, local.month, local.year, adjustDays);
    std::string text = std::to_string(hijri.day);
    text += " of ";
    text += HijriMonthName(hijri.month);
    text += ", ";
    text += std::to_string(hijri.year);
    return text;
}

void ResetOccasions() {
    occasionList = OccasionList{};
}

OccasionKind LookupOccasion(int day, int month) {
    using enum OccasionKind;
    switch (month) {
        case 1:
            return day == 1 ? ListEvery(kMuharram1, Occasion) : None;
        case 2:
            // The label reads "2 Safar", but the day marked is the 27th.
            return day == 27 ? ListEvery(kSafar27, Occasion) : None;
        case 3:
            return day == 12 ? ListEvery(kRabyAwal12, Occasion) : None;
        case 7:
            return day == 27 ? ListEvery(kRajab27, Occasion) : None;
        case 9:
            switch (day) {
                case 1:
                    return ListEvery(kRamadan1, Occasion);
                case 17:
                    return ListEvery(kRamadan17, Occasion);
                case 21:
                    return ListEvery(kRamadan21, Occasion);
                case 20:
                case 22:
                case 24:
                case 26:
                case 28:
                    return RamadanNight;
                default:
                    return None;
            }
        case 10:
            switch (day) {
                case 1:
                case 2:
                case 3:
                    return ListFeastOnce(kEidAlFitr, occasionList.eidFitrListed);
                case 6:
                    return ListEvery(kShawwal6, Occasion);
                case 10:
                    return ListEvery(kShawwal10, Occasion);
                default:
                    return None;
            }
        case 11:
            return day == 17 ? ListEvery(kQidah17, Occasion) : None;
        case 12:
            switch (day) {
                case 9:
                    return ListEvery(kArafah, Feast);
                case 10:
                case 11:
                case 12:
                    return ListFeastOnce(kEidAlAdha, occasionList.eidAdhaListed);
                default:
                    return None;
            }
        default:
            return None;
    }
}

}  // namespace salvenor

// The six daily times (Fajr, sunrise, Thuhr, Asr, Maghrib, Isha) for one local day and place,
// computed from the built-in solar table or the computed sun with the calculation options, and
// the rules for writing them and for the zone offset.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/calculation_options.h"
#include "core/texts.h"  // QT_TRANSLATE_NOOP
#include "core/words.h"

namespace salvenor {

enum PrayerIndex : int { Fajr = 0, Shrook = 1, Thuhr = 2, Asr = 3, Maghrib = 4, Isha = 5 };

inline constexpr std::array<const char*, 6> PrayerNames = {
    QT_TRANSLATE_NOOP("salvenor", "Fajr"),    QT_TRANSLATE_NOOP("salvenor", "Shrook"),
    QT_TRANSLATE_NOOP("salvenor", "Thuhr"),   QT_TRANSLATE_NOOP("salvenor", "Asr"),
    QT_TRANSLATE_NOOP("salvenor", "Maghrib"), QT_TRANSLATE_NOOP("salvenor", "Isha")};

// A local clock time in hours since local midnight of the day computed (13.5 = 13:30); not
// wrapped into 0..24.
using DecimalHours = double;

// The conventions: the sun's depression angles at Fajr and Isha.
enum CalculationWay : int {
    EgyptianSurvey = 0,      // 19.5 / 17.0
    UmmAlQura = 1,           // 19.0 / Isha 90 minutes after Maghrib
    Isna = 2,                // 15.0 / 15.0
    WorldIslamicLeague = 3,  // 18.0 / 17.0
};

// The labels of the conventions, as the settings page lists them.
inline constexpr std::array<const char*, 4> CalculationWayNames = {
    QT_TRANSLATE_NOOP("salvenor", "Egyptian General Organisation of Surveying"),
    QT_TRANSLATE_NOOP("salvenor", "Um Ul-Qura, Makkah"),
    QT_TRANSLATE_NOOP("salvenor", "Islamic Society of North America (ISNA)"),
    QT_TRANSLATE_NOOP("salvenor", "World Islamic League")};

// What one computation reads of the settings.
struct PrayerSettings {
    double latitude = 0.0;              // degrees, north positive
    double longitude = 0.0;             // degrees, east positive
    double altitude = 0.0;              // metres; a negative value counts as 0
    int calculationWay = 0;             // 0..3; any other value uses the angles of 0
    bool daylightSavingActive = false;  // all times one hour later
    // Offset of local standard time from GMT in minutes. The stored setting holds whole hours
    // (minutes = 60 x hours); zones with a fraction of an hour pass their exact offset.
    int gmtOffsetMinutes = 0;
    // The choices beyond the built-in ways (salvenor.ini); the defaults change nothing.
    CalculationOptions calculation;
};

// The time of prayer `index` on the local calendar day of `when` (seconds since 1970). An index
// above 5 gives Fajr, one below 0 gives Isha, both of the same day. Side effect: the February
// entry of GregorianMonthDays is set for the year of that day.
// Every time is finite and Fajr <= Shrook <= Thuhr <= Asr <= Maghrib <= Isha at every latitude
// on every day: where the sun never sinks to the Fajr or Isha angle, that time lies the share of
// the night the high-latitude rule gives (a seventh by default) before sunrise or after sunset;
// where the sun neither rises nor sets, all six are those of the nearest latitude toward the
// equator at which it does. With every calculation option at its default the times are those
// the built-in way has always given, bit for bit.
DecimalHours ComputePrayerTime(int index, std::int64_t when, const PrayerSettings& settings);

// All six times of the local day of `when`, indexed by PrayerIndex (one pass instead of six).
std::array<DecimalHours, 6> ComputePrayerTimes(std::int64_t when, const PrayerSettings& settings);

// All six times of a local calendar date (year, month 1..12, day 1..31): what ComputePrayerTimes
// computes once it has broken `when` down. Same side effect on GregorianMonthDays.
std::array<DecimalHours, 6> ComputePrayerTimesOnDate(int year, int month, int day,
                                                     const PrayerSettings& settings);

// The index as the computation reads it: above 5 is Fajr, below 0 is Isha (6 is the Fajr that
// follows Isha).
int WrapPrayerIndex(int index);

// The coordinates a place may have, in degrees: -90 (south pole) to 90, and -180 to 180. The
// coordinates dialog, the command line, the configuration file's check, the city database reader
// and its builder all take these ranges.
inline constexpr double MinLatitude = -90;
inline constexpr double MaxLatitude = 90;
inline constexpr double MinLongitude = -180;
inline constexpr double MaxLongitude = 180;
// Whether a latitude or longitude lies in its range (false for a value that is not a number).
bool ValidLatitude(double degrees);
bool ValidLongitude(double degrees);

// The altitudes a place may have, in metres: the shore of the Dead Sea to above the highest towns.
// The coordinates dialog, the command line and the configuration file's check all take this range.
inline constexpr double MinAltitude = -500;
inline constexpr double MaxAltitude = 9000;
// Whether an altitude lies in that range (false for a value that is not a number).
bool ValidAltitude(double metres);

// The offsets of local standard time from GMT, in whole hours. A stored offset (a loaded zav.cfg)
// and the command line's --gmt may be any of the world's zones, -12 (Baker Island) to +14 (the
// Line Islands). What the Advanced Setup page's "Custom:" field accepts ends one hour earlier, at
// MaxTypedGmtOffsetHours: the page has always refused +14 and its message says so ("between -12
// and 13"); the bounds differ on purpose so that a file written in +14 still loads unchanged.
inline constexpr int MinGmtOffsetHours = -12;
inline constexpr int MaxGmtOffsetHours = 14;
inline constexpr int MaxTypedGmtOffsetHours = 13;
// Whether a stored offset lies in MinGmtOffsetHours..MaxGmtOffsetHours.
bool ValidGmtOffsetHours(int hours);

// A stored calculationWay as the computation reads it: a value outside 0..3 (a damaged file) takes
// the conventions of 0.
int ValidCalculationWay(int way);

// A decimal hour cut to the clock minute it falls in, the one home of that cut: the title, every
// window and page, and the moment the athan comes all take their minute from here. A time before
// midnight or from 24:00 on is first taken to the day it falls on (24.25 is 0:15 of the next day,
// -0.0808 is 23:55 of the day before); then the hour is cut and the minutes of what is left are
// cut, never rounded (13.9999 is 13:59).
struct ClockMinute {
    int dayShift = 0;  // days from the date whose clock the time is read on
    int hour = 0;      // 0..23
    int minute = 0;    // 0..59
};
ClockMinute CutToClockMinute(DecimalHours time);

// The clock time of a decimal hour, as every window and page writes a prayer time with
// "%d:%02d %s": a time before midnight or from 24:00 on is first taken to the day it falls on
// (24.25 is 0:15, -0.5 is 23:30); hours from 13 on are shown less 12; "pm" from 13:00, and in
// the hour of 12 for Thuhr and the prayers after it; "am" otherwise (0:40 stays 0:40 am).
enum class AmPmLetters { Lower, Upper };  // "am"/"pm" on pages and windows, "AM"/"PM" in the title
struct ClockTimeParts {
    int hour = 0;    // 0..12
    int minute = 0;  // 0..59
    const char* suffix = "am";
};
ClockTimeParts ClockTimeOf(int index, DecimalHours time, AmPmLetters letters = AmPmLetters::Lower);

// "%d:%02d %s" of ClockTimeOf.
std::string FormatDecimalTime(int index, DecimalHours time,
                              AmPmLetters letters = AmPmLetters::Lower);
// The same in the language of `words`: its digits and its word for am or pm.
std::string FormatDecimalTime(int index, DecimalHours time, const WordsOf& words,
                              AmPmLetters letters = AmPmLetters::Lower);

// FormatDecimalTime of today's (the local day of `now`) time for `index`.
std::string FormatPrayerTime(int index, std::int64_t now, const PrayerSettings& settings);

// The exact offset of local standard time from GMT at `now`, in minutes (daylight saving taken
// off).
int SystemGmtOffsetMinutes(std::int64_t now);

// The same offset in whole hours, truncated toward zero (the stored setting's unit).
int SystemGmtOffset(std::int64_t now);

}  // namespace salvenor

// Tests of the six daily times, the way they are written and the zone offset read from the
// system clock.
#include "core/prayer_times.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/local_time.h"
#include "core/month_days.h"
#include "core/solar_table.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

constexpr double Rad = 3.141592653589793 / 180.0;

using testing::ScopedTimeZone;

PrayerSettings Place(double latitude, double longitude, int gmtHours, int way = 0,
                     double altitude = 0) {
    PrayerSettings s;
    s.latitude = latitude;
    s.longitude = longitude;
    s.gmtOffsetMinutes = gmtHours * 60;
    s.calculationWay = way;
    s.altitude = altitude;
    return s;
}

PrayerSettings Cairo() {
    return Place(30.05, 31.25, 2);
}

// Table entry r as the computation reads it: E in decimal minutes, declination in degrees.
double RowE(int row) {
    return SolarDayTable[row].equationOfTime * SolarDayTable[row].sign;
}

// The sun's altitude in degrees, `hours` from Thuhr, at a latitude and declination in degrees.
double SunAltitude(double latitude, double declination, double hours) {
    const double phi = latitude * Rad;
    const double dec = declination * Rad;
    return std::asin(std::sin(phi) * std::sin(dec) +
                     std::cos(phi) * std::cos(dec) * std::cos(hours * 15 * Rad)) /
           Rad;
}

TEST(ComputePrayerTime, WorkedExampleCairo21March2007) {
    const ScopedTimeZone tz("Africa/Cairo");
    const std::int64_t when = MakeLocal(2007, 3, 21, 9, 0, 0);
    struct Case {
        int index;
        double hours;
        const char* text;
    };
    const Case cases[] = {{Fajr, 4.5258, "4:31 am"},     {Shrook, 5.9738, "5:58 am"},
                          {Thuhr, 12.0380, "12:02 pm"},  {Asr, 15.4921, "3:29 pm"},
                          {Maghrib, 18.1022, "6:06 pm"}, {Isha, 19.3541, "7:21 pm"}};
    const auto all = ComputePrayerTimes(when, Cairo());
    for (const Case& c : cases) {
        SCOPED_TRACE(PrayerNames[c.index]);
        const double t = ComputePrayerTime(c.index, when, Cairo());
        EXPECT_NEAR(t, c.hours, 0.00005);
        EXPECT_EQ(t, all[c.index]);  // the same numbers, one pass or six
        EXPECT_EQ(FormatDecimalTime(c.index, t), c.text);
        EXPECT_EQ(FormatPrayerTime(c.index, when, Cairo()), c.text);
    }
}

TEST(ComputePrayerTime, AltitudeMovesOnlySunriseAndSunset) {
    const ScopedTimeZone tz("Africa/Cairo");
    const std::int64_t when = MakeLocal(2007, 3, 21, 9, 0, 0);
    PrayerSettings high = Cairo();
    high.altitude = 100;
    const auto low = ComputePrayerTimes(when, Cairo());
    const auto raised = ComputePrayerTimes(when, high);
    EXPECT_NEAR(raised[Shrook], 5.9471, 0.00005);
    EXPECT_NEAR(raised[Maghrib], 18.1289, 0.00005);
    for (const int i : {Fajr, Thuhr, Asr, Isha}) {
        EXPECT_EQ(raised[i], low[i]) << PrayerNames[i];
    }
}

TEST(ComputePrayerTime, OutOfRangeIndicesMapToFajrAndIsha) {
    const ScopedTimeZone tz("Africa/Cairo");
    const std::int64_t when = MakeLocal(2007, 3, 21, 9, 0, 0);
    const double fajr = ComputePrayerTime(Fajr, when, Cairo());
    const double isha = ComputePrayerTime(Isha, when, Cairo());
    for (const int index : {6, 7, 100, INT_MAX}) {
        EXPECT_EQ(ComputePrayerTime(index, when, Cairo()), fajr) << index;
    }
    for (const int index : {-1, -2, INT_MIN}) {
        EXPECT_EQ(ComputePrayerTime(index, when, Cairo()), isha) << index;
    }
}

// At the zone's own meridian Thuhr is 12 (13 with daylight saving) + E / 60 of the day's row.
TEST(ComputePrayerTime, ThuhrAtZoneMeridianReadsTheDaysRow) {
    const ScopedTimeZone tz("UTC");
    struct Case {
        int year, month, day;
        int row;
        int february;
    };
    const Case cases[] = {
        {2008, 1, 1, 1, 29},     {2007, 1, 1, 1, 28},     {2008, 2, 28, 59, 29},
        {2008, 2, 29, 60, 29},   {2008, 3, 1, 61, 29},    {2007, 3, 1, 60, 28},
        {1900, 3, 1, 61, 29},    {2100, 3, 1, 61, 29},    {2001, 3, 1, 60, 28},
        {2007, 12, 30, 364, 28}, {2007, 12, 31, 365, 28}, {2008, 12, 30, 365, 29},
        {2008, 12, 31, 365, 29},  // row 366 is past the table: the last row stands for it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        const std::int64_t when = MakeLocal(c.year, c.month, c.day, 12, 0, 0);
        for (const int gmt : {-5, 0, 2, 9}) {
            PrayerSettings s = Place(40, 15.0 * gmt, gmt);
            EXPECT_NEAR(ComputePrayerTime(Thuhr, when, s), 12 + RowE(c.row) / 60, 1e-12);
            s.daylightSavingActive = true;
            EXPECT_NEAR(ComputePrayerTime(Thuhr, when, s), 13 + RowE(c.row) / 60, 1e-12);
        }
        EXPECT_EQ(GregorianMonthDays[1], c.february);
    }
}

TEST(ComputePrayerTime, LocalDateDecidesTheRow) {
    // 01:00 on 1 January 2008 in Kiritimati (UTC+14) is still 31 December 2007 in UTC.
    const ScopedTimeZone tz("Pacific/Kiritimati");
    const std::int64_t when = MakeLocal(2008, 1, 1, 1, 0, 0);
    ASSERT_EQ(BreakUtc(when).year, 2007);
    EXPECT_NEAR(ComputePrayerTime(Thuhr, when, Place(0, 0, 0)), 12 + RowE(1) / 60, 1e-12);
}

// A range of places and days used by several rules below.
struct Sample {
    double latitude, longitude;
    int gmtHours;
    int month, day;
};
const Sample Samples[] = {
    {30.05, 31.25, 2, 3, 21}, {21.42, 39.83, 3, 6, 21},  {51.5, -0.13, 0, 12, 21},
    {-33.9, 18.42, 2, 6, 21}, {40.71, -74.0, -5, 9, 23}, {59.9, 10.75, 1, 1, 15},
    {1.29, 103.85, 8, 4, 15},
};

// A change of the settings that moves every one of the six times by the same amount, at every
// sample place and for every convention named.
struct ShiftCase {
    const char* name;
    const char* zone;
    int year;
    int ways;  // conventions 0 .. ways - 1
    void (*before)(PrayerSettings&);
    void (*after)(PrayerSettings&);
    double hours;
};

const ShiftCase Shifts[] = {
    {"DaylightSavingAddsExactlyOneHourToEveryTime", "UTC", 2008, 4, [](PrayerSettings&) {},
     [](PrayerSettings& s) { s.daylightSavingActive = true; }, 1.0},
    {"HalfHourZoneShiftsEveryTimeByHalfAnHour", "Asia/Kolkata", 2009, 1,
     [](PrayerSettings& s) { s.gmtOffsetMinutes = 300; },
     [](PrayerSettings& s) { s.gmtOffsetMinutes = 330; }, 0.5},
};

TEST(ComputePrayerTime, SettingShiftsEveryTimeByTheSameAmount) {
    for (const ShiftCase& c : Shifts) {
        SCOPED_TRACE(c.name);
        const ScopedTimeZone tz(c.zone);
        for (const Sample& p : Samples) {
            const std::int64_t when = MakeLocal(c.year, p.month, p.day, 12, 0, 0);
            for (int way = 0; way < c.ways; ++way) {
                PrayerSettings s = Place(p.latitude, p.longitude, p.gmtHours, way);
                c.before(s);
                const auto first = ComputePrayerTimes(when, s);
                c.after(s);
                const auto shifted = ComputePrayerTimes(when, s);
                for (int i = 0; i < 6; ++i) {
                    EXPECT_NEAR(shifted[i] - first[i], c.hours, 1e-12) << p.latitude << " " << i;
                }
            }
        }
    }
}

TEST(ComputePrayerTime, SunriseAndSunsetSymmetricAboutThuhrAndWidenWithAltitude) {
    const ScopedTimeZone tz("UTC");
    for (const Sample& p : Samples) {
        const std::int64_t when = MakeLocal(2008, p.month, p.day, 12, 0, 0);
        const auto sea = ComputePrayerTimes(when, Place(p.latitude, p.longitude, p.gmtHours));
        const auto hill =
            ComputePrayerTimes(when, Place(p.latitude, p.longitude, p.gmtHours, 0, 900));
        EXPECT_NEAR(sea[Thuhr] - sea[Shrook], sea[Maghrib] - sea[Thuhr], 1e-12);
        const double earlier = sea[Shrook] - hill[Shrook];
        const double later = hill[Maghrib] - sea[Maghrib];
        EXPECT_GT(earlier, 0.01) << p.latitude;
        EXPECT_NEAR(earlier, later, 1e-12) << p.latitude;
    }
}

// At each time the sun stands where its rule puts it: the convention's depression angle at Fajr
// and Isha, and at Asr a shadow one object length longer than the noon shadow, north and south
// of the sun alike (Cape Town in June lies south of the declination).
TEST(ComputePrayerTime, SunStandsAtEachConventionsAngles) {
    const ScopedTimeZone tz("UTC");
    struct Way {
        int way;
        double fajr, isha;  // depression angles; isha 0 = 90 minutes after Maghrib
    };
    const Way ways[] = {{0, 19.5, 17.0}, {1, 19.0, 0.0}, {2, 15.0, 15.0}, {3, 18.0, 17.0}};
    const struct {
        double latitude, longitude;
        int gmt, month, day;
    } places[] = {{30.05, 31.25, 2, 3, 21},
                  {-33.9, 18.42, 2, 6, 21},
                  {21.42, 39.83, 3, 6, 21},
                  {40.71, -74.0, -5, 1, 11},
                  {64.1, -21.9, 0, 10, 2}};
    for (const auto& p : places) {
        const std::int64_t when = MakeLocal(2008, p.month, p.day, 12, 0, 0);
        // 2008 is a leap year: the row is the C library's day of the year counted from 1.
        const double delta = SolarDayTable[BreakLocal(when).yearDay + 1].declination;
        for (const Way& w : ways) {
            SCOPED_TRACE(std::to_string(p.latitude) + " way " + std::to_string(w.way));
            const auto t = ComputePrayerTimes(when, Place(p.latitude, p.longitude, p.gmt, w.way));
            const double thuhr = t[Thuhr];
            EXPECT_NEAR(SunAltitude(p.latitude, delta, t[Fajr] - thuhr), -w.fajr, 1e-9);
            if (w.isha > 0) {
                EXPECT_NEAR(SunAltitude(p.latitude, delta, t[Isha] - thuhr), -w.isha, 1e-9);
            } else {
                EXPECT_NEAR(t[Isha], t[Maghrib] + 1.5, 1e-12);
            }
            EXPECT_NEAR(SunAltitude(p.latitude, delta, t[Shrook] - thuhr), -0.8333, 1e-9);
            const double asrAltitude = SunAltitude(p.latitude, delta, t[Asr] - thuhr);
            const double shadow = 1 / std::tan(asrAltitude * Rad);
            const double noonShadow = std::tan(std::fabs(p.latitude - delta) * Rad);
            EXPECT_GT(t[Asr], thuhr);
            EXPECT_NEAR(shadow, 1 + noonShadow, 1e-9);
        }
    }
}

TEST(ComputePrayerTime, NegativeAltitudeAndUnknownWayFallBack) {
    const ScopedTimeZone tz("UTC");
    const std::int64_t when = MakeLocal(2008, 5, 5, 12, 0, 0);
    const auto reference = ComputePrayerTimes(when, Cairo());
    PrayerSettings below = Cairo();
    below.altitude = -50;
    EXPECT_EQ(ComputePrayerTimes(when, below), reference);
    for (const int way : {-1, 4, 99, INT_MIN}) {
        PrayerSettings s = Cairo();
        s.calculationWay = way;
        EXPECT_EQ(ComputePrayerTimes(when, s), reference) << way;
    }
}

// Where the sun never sinks to the twilight angle (London at midsummer, 19.5 and 17 degrees),
// Fajr and Isha lie a seventh of the night before sunrise and after sunset.
TEST(ComputePrayerTime, SeventhOfTheNightWhereTwilightNeverEnds) {
    const ScopedTimeZone tz("UTC");
    const std::int64_t when = MakeLocal(2008, 6, 21, 12, 0, 0);
    const auto t = ComputePrayerTimes(when, Place(51.5, -0.13, 0, 0));
    const double night = 24 - (t[Maghrib] - t[Shrook]);
    EXPECT_NEAR(t[Fajr], t[Shrook] - night / 7, 1e-12);
    EXPECT_NEAR(t[Isha], t[Maghrib] + night / 7, 1e-12);
    EXPECT_GT(night, 6.0);
    EXPECT_LT(night, 8.0);
}

// Beyond the polar circles the times are those of the nearest latitude at which the sun still
// rises and sets: a day of nearly 24 hours in the midnight sun, of nearly none in polar night.
TEST(ComputePrayerTime, PolarDaysTakeTheNearestLatitudeWithASunrise) {
    const ScopedTimeZone tz("UTC");
    const std::int64_t june = MakeLocal(2008, 6, 21, 12, 0, 0);
    const std::int64_t december = MakeLocal(2008, 12, 21, 12, 0, 0);
    struct Case {
        double latitude;
        std::int64_t when;
        bool midnightSun;
    };
    const Case cases[] = {{80, june, true},   {90, june, true},       {-80, june, false},
                          {-90, june, false}, {80, december, false},  {-89.5, december, true},
                          {69.7, june, true}, {-69.7, december, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.latitude);
        const auto t = ComputePrayerTimes(c.when, Place(c.latitude, 0, 0));
        const auto beyond = ComputePrayerTimes(c.when, Place(c.latitude > 0 ? 89 : -89, 0, 0));
        const double day = t[Maghrib] - t[Shrook];
        if (c.midnightSun) {
            EXPECT_GT(day, 22.0);
        } else {
            EXPECT_LT(day, 2.0);
        }
        for (int i = 0; i < 6; ++i) {
            EXPECT_NEAR(t[i], beyond[i], 0.25) << i;  // one boundary, found to within 0.005 deg
        }
    }
}

// Every time finite and in order, at every latitude on every day of a leap and a common year.
TEST(ComputePrayerTime, TimesAreFiniteAndOrderedEverywhereAllYear) {
    const ScopedTimeZone tz("UTC");
    int failures = 0;
    for (const int year : {2008, 2007}) {
        for (int day = 1; day <= (year % 4 == 0 ? 366 : 365); ++day) {
            const std::int64_t when = MakeLocal(year, 1, day, 12, 0, 0);
            for (int tenth = -900; tenth <= 900; tenth += 5) {
                for (int way = 0; way < 4; ++way) {
                    const auto t = ComputePrayerTimes(when, Place(tenth / 10.0, 10, 1, way));
                    bool ok = std::isfinite(t[0]);
                    for (int i = 1; i < 6; ++i) {
                        ok = ok && std::isfinite(t[i]) && t[i - 1] <= t[i];
                    }
                    if (!ok && ++failures <= 5) {
                        ADD_FAILURE() << year << " day " << day << " latitude " << tenth / 10.0
                                      << " way " << way << ": " << t[0] << " " << t[1] << " "
                                      << t[2] << " " << t[3] << " " << t[4] << " " << t[5];
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(FormatDecimalTime, CutsMinutesAndChoosesAmPm) {
    struct Case {
        int index;
        double time;
        const char* text;
    };
    const Case cases[] = {
        {Thuhr, 12.5, "12:30 pm"},
        {Shrook, 12.5, "12:30 am"},
        {Fajr, 0.6667, "0:40 am"},
        // From 24:00 on a time is the next day's clock time.
        {Isha, 24.25, "0:15 am"},
        {Maghrib, 25.2140, "1:12 am"},
        {Thuhr, 36.5, "12:30 pm"},
        {Isha, 24.0, "0:00 am"},
        {Asr, 13.9999, "1:59 pm"},
        {Asr, 13.1167, "1:07 pm"},
        {Fajr, 4.5334, "4:32 am"},
        {Thuhr, 12.0834, "12:05 pm"},
        {Maghrib, 12.0, "12:00 pm"},
        {Fajr, 11.9999, "11:59 am"},
        {6, 12.5, "12:30 am"},
        {-1, 12.5, "12:30 pm"},
        // Times outside the day are written as the clock time of the day they fall on.
        {Fajr, -0.5, "11:30 pm"},
        {Isha, 25.3, "1:18 am"},
        {Fajr, -24.0, "0:00 am"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDecimalTime(c.index, c.time), c.text) << c.index << " " << c.time;
        // The bar's title writes the same clock time in capitals.
        std::string upper = c.text;
        upper.replace(upper.size() - 2, 2, upper.substr(upper.size() - 2) == "am" ? "AM" : "PM");
        EXPECT_EQ(FormatDecimalTime(c.index, c.time, AmPmLetters::Upper), upper);
    }
}

TEST(PrayerIndexAndWay, WrapAndClampAsTheComputationReadsThem) {
    const std::pair<int, int> indices[] = {{-5, Isha}, {-1, Isha}, {0, Fajr},      {3, Asr},
                                           {5, Isha},  {6, Fajr},  {INT_MAX, Fajr}};
    for (const auto& [given, read] : indices) {
        EXPECT_EQ(WrapPrayerIndex(given), read) << given;
    }
    const std::pair<int, int> ways[] = {{-1, 0}, {0, 0}, {1, 1}, {3, 3}, {4, 0}, {INT_MIN, 0}};
    for (const auto& [given, read] : ways) {
        EXPECT_EQ(ValidCalculationWay(given), read) << given;
    }
}

// Um Ul-Qura's Isha is ninety minutes after Maghrib, but never past the middle of the night:
// beyond the polar circles it would otherwise come after the next day's Fajr.
TEST(ComputePrayerTime, UmUlQuraIshaStaysBeforeTheNextFajr) {
    const ScopedTimeZone tz("UTC");
    for (const double latitude : {66.5, 64.0, 60.0, 51.5, -66.5}) {
        for (int day = 0; day < 366; ++day) {
            const std::int64_t when = MakeLocal(2024, 1, 1 + day, 12, 0, 0);
            const PrayerSettings s = Place(latitude, 25.7, 2, UmmAlQura);
            const auto today = ComputePrayerTimes(when, s);
            const auto tomorrow = ComputePrayerTimes(when + 86400, s);
            const double night = 24 - (today[Maghrib] - today[Shrook]);
            ASSERT_NEAR(today[Isha] - today[Maghrib], std::min(1.5, night / 2), 1e-12)
                << latitude << " day " << day;
            ASSERT_LT(today[Isha], tomorrow[Fajr] + 24) << latitude << " day " << day;
        }
    }
}

// The offset from the hour fields, as the setting has always been derived: local hour less the
// daylight-saving hour less the UTC hour, with 24 added to the later of two different dates.
int HourFieldDifference(std::int64_t t) {
    const CalendarFields local = BreakLocal(t);
    const CalendarFields utc = BreakUtc(t);
    const auto key = [](const CalendarFields& f) { return f.year * 10000 + f.month * 100 + f.day; };
    int localHour = local.hour;
    int utcHour = utc.hour;
    if (key(local) > key(utc)) {
        localHour += 24;
    } else if (key(local) < key(utc)) {
        utcHour += 24;
    }
    return localHour - (local.isDst > 0 ? 1 : 0) - utcHour;
}

TEST(SystemGmtOffset, StandardOffsetOfTheZone) {
    struct Case {
        const char* zone;
        int year, month, day, hour, minute;
        int minutes, hours;
    };
    const Case cases[] = {
        {"Africa/Cairo", 2007, 3, 21, 12, 0, 120, 2},
        {"Africa/Cairo", 2023, 7, 1, 12, 0, 120, 2},  // summer time
        {"Asia/Riyadh", 2024, 3, 1, 1, 0, 180, 3},    // UTC is 22:00 on 29 February
        {"Asia/Riyadh", 2024, 1, 1, 1, 0, 180, 3},    // UTC is still in 2023
        {"Asia/Kolkata", 2024, 1, 15, 5, 10, 330, 5},
        {"Asia/Kolkata", 2024, 1, 15, 5, 40, 330, 5},
        {"America/New_York", 2024, 3, 10, 1, 30, -300, -5},  // before the spring change
        {"America/New_York", 2024, 3, 10, 3, 30, -300, -5},  // after it
        {"America/New_York", 2024, 11, 3, 0, 30, -300, -5},  // before the autumn change
        {"America/New_York", 2024, 11, 3, 3, 0, -300, -5},   // after it
        {"Pacific/Kiritimati", 2024, 6, 1, 1, 0, 840, 14},
        {"Pacific/Pago_Pago", 2024, 6, 1, 23, 0, -660, -11},
        {"America/St_Johns", 2024, 1, 15, 12, 0, -210, -3},
        {"America/St_Johns", 2024, 7, 15, 12, 0, -210, -3},  // summer time
    };
    for (const Case& c : cases) {
        const ScopedTimeZone tz(c.zone);
        const std::int64_t when = MakeLocal(c.year, c.month, c.day, c.hour, c.minute, 0);
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.month) + "/" +
                     std::to_string(c.day) + " " + std::to_string(c.hour));
        EXPECT_EQ(SystemGmtOffsetMinutes(when), c.minutes);
        EXPECT_EQ(SystemGmtOffset(when), c.hours);
    }
}

// For whole-hour zones the result equals the hour-field difference at every hour, across
// month, year and daylight-saving changes; for Kolkata that difference flips between 5 and 6
// with the minute, ours stays 330 minutes.
TEST(SystemGmtOffset, MatchesHourFieldDifferenceInWholeHourZones) {
    const char* zones[] = {"Africa/Cairo",       "Asia/Riyadh",       "America/New_York",
                           "Pacific/Kiritimati", "Pacific/Pago_Pago", "Europe/Berlin"};
    const int starts[][3] = {{2023, 12, 30}, {2024, 2, 27}, {2024, 3, 9}, {2024, 3, 30},
                             {2024, 10, 26}, {2024, 11, 2}, {2024, 4, 25}};
    for (const char* zone : zones) {
        const ScopedTimeZone tz(zone);
        for (const auto& s : starts) {
            const std::int64_t start = MakeLocal(s[0], s[1], s[2], 0, 0, 0);
            for (std::int64_t t = start; t < start + 4 * 86400; t += 1800) {
                EXPECT_EQ(SystemGmtOffset(t), HourFieldDifference(t)) << zone << " " << t;
            }
        }
    }
    const ScopedTimeZone tz("Asia/Kolkata");
    const std::int64_t early = MakeLocal(2024, 1, 15, 5, 10, 0);
    const std::int64_t late = MakeLocal(2024, 1, 15, 5, 40, 0);
    EXPECT_EQ(HourFieldDifference(early), 6);
    EXPECT_EQ(HourFieldDifference(late), 5);
    EXPECT_EQ(SystemGmtOffsetMinutes(early), 330);
    EXPECT_EQ(SystemGmtOffsetMinutes(late), 330);
}

// The zone offset read from the clock drives the computation: in Kolkata Thuhr at 82.5 degrees
// east (the zone's meridian) is 12 + E / 60.
TEST(SystemGmtOffset, DrivesTheComputationToTheMinute) {
    const ScopedTimeZone tz("Asia/Kolkata");
    const std::int64_t when = MakeLocal(2008, 3, 21, 12, 0, 0);
    PrayerSettings s = Place(22.57, 82.5, 0);
    s.gmtOffsetMinutes = SystemGmtOffsetMinutes(when);
    EXPECT_NEAR(ComputePrayerTime(Thuhr, when, s), 12 + RowE(81) / 60, 1e-12);
}

}  // namespace
}  // namespace salvenor

namespace salvenor {
namespace {

TEST(ComputePrayerTimesOnDate, MatchesTheTimesOfTheSameLocalDay) {
    testing::ScopedTimeZone tz("Africa/Cairo");
    PrayerSettings s;
    s.latitude = 30.05;
    s.longitude = 31.25;
    s.gmtOffsetMinutes = 120;
    for (const auto& [y, m, d] : {std::array{2007, 3, 21}, std::array{2008, 2, 29},
                                  std::array{2008, 12, 31}, std::array{2100, 7, 1}}) {
        SCOPED_TRACE(std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d));
        EXPECT_EQ(ComputePrayerTimesOnDate(y, m, d, s),
                  ComputePrayerTimes(MakeLocal(y, m, d, 12, 0, 0), s));
    }
}

}  // namespace
}  // namespace salvenor

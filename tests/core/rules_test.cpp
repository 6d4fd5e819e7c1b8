// The one-home rules of the core: the ranges a place and a zone offset may have, daylight saving
// at a moment, and the days the clock's calendar has.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/local_time.h"
#include "core/prayer_times.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

using testing::ScopedTimeZone;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(CoordinateRanges, LatitudeRunsFromPoleToPoleAndLongitudeAroundTheWorld) {
    struct Case {
        double degrees;
        bool latitude, longitude;
    };
    for (const Case& c : {
             Case{0, true, true},
             Case{-90, true, true},
             Case{90, true, true},
             Case{90.0001, false, true},
             Case{-90.0001, false, true},
             Case{-180, false, true},
             Case{180, false, true},
             Case{180.0001, false, false},
             Case{-180.0001, false, false},
             Case{NaN, false, false},
             Case{Infinity, false, false},
             Case{-Infinity, false, false},
         }) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(ValidLatitude(c.degrees), c.latitude);
        EXPECT_EQ(ValidLongitude(c.degrees), c.longitude);
    }
}

// A stored offset may be any of the world's zones; the Advanced Setup page's field stops at +13.
TEST(ZoneOffsets, StoredOffsetsRunFromMinus12ToPlus14AndTheTypedOneStopsAt13) {
    struct Case {
        int hours;
        bool valid;
    };
    for (const Case& c : {Case{-13, false}, Case{-12, true}, Case{0, true}, Case{13, true},
                          Case{14, true}, Case{15, false}}) {
        SCOPED_TRACE(c.hours);
        EXPECT_EQ(ValidGmtOffsetHours(c.hours), c.valid);
    }
    EXPECT_EQ(MinGmtOffsetHours, -12);
    EXPECT_EQ(MaxGmtOffsetHours, 14);
    EXPECT_EQ(MaxTypedGmtOffsetHours, 13);
}

// The C library's flag: positive under daylight saving, 0 not, negative unknown (standard time).
TEST(DaylightSaving, OnlyAPositiveFlagCountsAndAnUnknownOneIsStandardTime) {
    struct Case {
        int isDst;
        bool inForce;
    };
    for (const Case& c : {Case{-1, false}, Case{0, false}, Case{1, true}, Case{2, true}}) {
        SCOPED_TRACE(c.isDst);
        CalendarFields fields;
        fields.isDst = c.isDst;
        EXPECT_EQ(DaylightSavingIn(fields), c.inForce);
    }
}

TEST(DaylightSaving, AtAMomentFollowsTheZonesRules) {
    struct Case {
        const char* zone;
        std::int64_t when;  // seconds since 1970
        bool inForce;
    };
    for (const Case& c : {
             Case{"Europe/London", 1'720'000'000, true},   // 3 July 2024
             Case{"Europe/London", 1'705'320'000, false},  // 15 January 2024
             Case{"Australia/Sydney", 1'705'320'000, true},
             Case{"Australia/Sydney", 1'720'000'000, false},
             Case{"Africa/Cairo", 1'705'320'000, false},
             Case{"UTC", 1'720'000'000, false},
         }) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.when));
        const ScopedTimeZone zone(c.zone);
        EXPECT_EQ(DaylightSavingAt(c.when), c.inForce);
    }
}

// The Gregorian calendar with its century rule, which mktime keeps: a day it lacks is moved on.
TEST(ClockDates, TheCenturyRuleDecidesTheTwentyNinthOfFebruary) {
    struct Case {
        int year, month, day;
        bool exists;
    };
    const ScopedTimeZone zone("UTC");
    for (const Case& c : {
             Case{2100, 2, 29, false},
             Case{2000, 2, 29, true},
             Case{1900, 2, 29, false},
             Case{2024, 2, 29, true},
             Case{2023, 2, 29, false},
             Case{1600, 2, 29, true},
             Case{2007, 2, 28, true},
             Case{2007, 2, 30, false},
             Case{2007, 4, 30, true},
             Case{2007, 4, 31, false},
             Case{2007, 12, 31, true},
             Case{2007, 13, 1, false},
             Case{2007, 0, 1, false},
             Case{2007, 1, 0, false},
             Case{2007, 1, 32, false},
         }) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        EXPECT_EQ(ClockDateExists(c.year, c.month, c.day), c.exists);
        if (c.month >= 1 && c.month <= 12 && c.day >= 1) {
            // The library agrees: a day it has comes back as itself, one it lacks does not.
            const CalendarFields back = BreakUtc(MakeLocal(c.year, c.month, c.day, 12, 0, 0));
            EXPECT_EQ(back.year == c.year && back.month == c.month && back.day == c.day, c.exists);
        }
    }
}

}  // namespace
}  // namespace salvenor

// Tests of the built-in solar table: the established rows, the sign column, the encodings and
// the smoothness of the generated rows.
#include "core/solar_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace salvenor {
namespace {

// m.ss or d.mm (signed) as whole seconds or arc-minutes.
int Sexagesimal(double encoded) {
    const long hundredths = std::lround(std::fabs(encoded) * 100);
    const int magnitude = static_cast<int>(hundredths / 100 * 60 + hundredths % 100);
    return encoded < 0 ? -magnitude : magnitude;
}

int SignedSeconds(int row) {
    return static_cast<int>(SolarDayTable[row].sign) *
           Sexagesimal(SolarDayTable[row].equationOfTime);
}

int ArcMinutes(int row) {
    return Sexagesimal(SolarDayTable[row].declination);
}

TEST(SolarDayTable, EstablishedRowsAreExact) {
    struct Row {
        int row;
        double eot, sign, dec;
    };
    const Row rows[] = {
        {0, 3.12, +1.0, -23.04},   {1, 3.40, +1.0, -22.59},    {2, 4.08, +1.0, -22.54},
        {42, 14.20, +1.0, -13.58}, {59, 12.42, +1.0, -8.03},   {60, 12.34, +1.0, -7.49},
        {80, 7.28, +1.0, 0.00},    {105, 0.14, +1.0, 9.33},    {106, 0.01, -1.0, 9.54},
        {165, 0.03, -1.0, 23.14},  {166, 0.10, +1.0, 23.17},   {171, 1.15, +1.0, 23.26},
        {244, 0.12, +1.0, 8.30},   {245, 0.07, -1.0, 8.09},    {266, 7.22, -1.0, 0.10},
        {267, 7.43, -1.0, -0.14},  {307, 16.23, -1.0, -14.53}, {355, 2.13, -1.0, -23.26},
        {359, 0.13, -1.0, -23.25}, {360, 0.17, +1.0, -23.23},  {365, 2.43, +1.0, -23.08},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SolarDayTable[r.row].equationOfTime, r.eot) << r.row;
        EXPECT_EQ(SolarDayTable[r.row].sign, r.sign) << r.row;
        EXPECT_EQ(SolarDayTable[r.row].declination, r.dec) << r.row;
    }
}

TEST(SolarDayTable, SignColumnRunsInFiveRanges) {
    struct Range {
        int first, last;
        double sign;
    };
    const Range ranges[] = {
        {0, 105, +1.0}, {106, 165, -1.0}, {166, 244, +1.0}, {245, 359, -1.0}, {360, 365, +1.0}};
    for (const Range& range : ranges) {
        for (int r = range.first; r <= range.last; ++r) {
            EXPECT_EQ(SolarDayTable[r].sign, range.sign) << r;
        }
    }
}

TEST(SolarDayTable, DeclinationExtremesAtTheSolstices) {
    int most = 0;
    int least = 0;
    for (int r = 0; r < 366; ++r) {
        most = std::max(most, ArcMinutes(r));
        least = std::min(least, ArcMinutes(r));
    }
    EXPECT_EQ(most, 23 * 60 + 26);
    EXPECT_EQ(least, -(23 * 60 + 26));
    EXPECT_EQ(SolarDayTable[171].declination, 23.26);
    EXPECT_EQ(SolarDayTable[355].declination, -23.26);
}

TEST(SolarDayTable, EncodedColumnsHaveTwoDecimalsBelowSixty) {
    for (int r = 0; r < 366; ++r) {
        for (const double v : {SolarDayTable[r].equationOfTime, SolarDayTable[r].declination}) {
            const double hundredths = std::fabs(v) * 100;
            EXPECT_NEAR(hundredths, std::round(hundredths), 1e-6) << r << ": " << v;
            EXPECT_LT(std::lround(hundredths) % 100, 60) << r << ": " << v;
        }
        EXPECT_GE(SolarDayTable[r].equationOfTime, 0.0) << r;
    }
}

// Each day's step differs from the mean of the steps on either side by at most 3 s of time and
// 2 arc-minutes; the steps around 29 February (rows 59 and 60) are the established values'
// own and are exempt.
TEST(SolarDayTable, RowsRunSmoothly) {
    struct Column {
        const char* name;
        int (*value)(int);
        double tolerance;
    };
    const Column columns[] = {{"equation of time", SignedSeconds, 3.0},
                              {"declination", ArcMinutes, 2.0}};
    for (const Column& c : columns) {
        for (int r = 1; r + 2 < 366; ++r) {
            // The step from row r to r + 1, against the steps before and after it.
            if (r == 58 || r == 59 || r == 60) {
                continue;
            }
            const int before = c.value(r) - c.value(r - 1);
            const int step = c.value(r + 1) - c.value(r);
            const int after = c.value(r + 2) - c.value(r + 1);
            EXPECT_LE(std::fabs(step - (before + after) / 2.0), c.tolerance)
                << c.name << ", step from row " << r;
        }
    }
}

// The whole table follows the sun: compared with the U.S. Naval Observatory's approximate solar
// coordinates (a different formula from the generator's) for the same days of 2008, a day
// early, no row strays further than the established rows themselves do from any one instant.
TEST(SolarDayTable, FollowsAnIndependentSolarFormula) {
    constexpr double Rad = 3.141592653589793 / 180.0;
    for (int r = 0; r < 366; ++r) {
        // Days from J2000.0 to 12:00 UT of day r of 2008, less one.
        const double d = 2454466.5 + r + 0.5 - 1 - 2451545.0;
        const double g = (357.529 + 0.98560028 * d) * Rad;
        const double q = 280.459 + 0.98564736 * d;
        const double l = (q + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * Rad;
        const double e = (23.439 - 0.00000036 * d) * Rad;
        const double ra = std::atan2(std::cos(e) * std::sin(l), std::cos(l)) / Rad;
        const double dec = std::asin(std::sin(e) * std::sin(l)) / Rad;
        // Mean minus apparent time (the sun slow), in seconds.
        const double slow = std::remainder(ra - q, 360.0) * 240.0;
        EXPECT_NEAR(SignedSeconds(r), slow, 25.0) << r;
        EXPECT_NEAR(ArcMinutes(r), dec * 60, 12.0) << r;
    }
}

}  // namespace
}  // namespace salvenor

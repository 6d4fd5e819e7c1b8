// The Qibla bearing against published bearings, and its compass words.
#include <gtest/gtest.h>

#include <string>

#include "core/qibla.h"

namespace salvenor {
namespace {

TEST(QiblaBearing, MatchesPublishedBearingsOfCities) {
    struct Case {
        const char* city;
        double latitude, longitude;
        double published;  // degrees from true north
    };
    // Published bearings: the test tables of the adhan prayer-times libraries (batoulapps
    // adhan-js, test/qibla.test.js; the same values in adhan-swift and adhan-kotlin), and
    // pyIslam's tests/test_qiblah.py for Jakarta (295 deg 8' 39"). Their Kaaba lies within
    // 0.0001 degrees of ours, so the bearings agree within a few hundredths of a degree.
    for (const Case& c : {
             Case{"Washington DC", 38.9072, -77.0369, 56.560},
             Case{"New York", 40.7128, -74.0059, 58.4817},
             Case{"San Francisco", 37.7749, -122.4194, 18.8438},
             Case{"Anchorage", 61.2181, -149.9003, 350.883},
             Case{"Sydney", -33.8688, 151.2093, 277.4996},
             Case{"Auckland", -36.8485, 174.7633, 261.197},
             Case{"London", 51.5074, -0.1278, 118.987},
             Case{"Paris", 48.8566, 2.3522, 119.163},
             Case{"Oslo", 59.9139, 10.7522, 139.0278},
             Case{"Islamabad", 33.7294, 73.0931, 255.882},
             Case{"Tokyo", 35.6895, 139.6917, 293.021},
             Case{"Jakarta", -6.18233995, 106.84287154, 295.0 + 8.0 / 60 + 39.0 / 3600},
         }) {
        SCOPED_TRACE(c.city);
        EXPECT_NEAR(QiblaBearing(c.latitude, c.longitude), c.published, 0.02);
    }
}

TEST(QiblaBearing, PointsStraightAlongTheKaabasMeridianAndStaysInOneTurn) {
    // Due north of the Kaaba the way is south; due south of it, north.
    EXPECT_NEAR(QiblaBearing(40.0, KaabaLongitude), 180.0, 1e-9);
    EXPECT_NEAR(QiblaBearing(-10.0, KaabaLongitude), 0.0, 1e-9);
    for (double lon = -180.0; lon <= 180.0; lon += 7.5) {
        const double b = QiblaBearing(-45.0, lon);
        EXPECT_GE(b, 0.0);
        EXPECT_LT(b, 360.0);
    }
}

TEST(CompassWord, NamesTheNearestPointOfTheRose) {
    struct Case {
        double bearing;
        const char* sixteen;
        const char* eight;
    };
    for (const Case& c : {
             Case{0.0, "north", "north"},
             Case{11.24, "north", "north"},
             Case{11.26, "north-north-east", "north"},
             Case{22.6, "north-north-east", "north-east"},
             Case{58.48, "east-north-east", "north-east"},
             Case{118.99, "east-south-east", "south-east"},
             Case{180.0, "south", "south"},
             Case{277.5, "west", "west"},
             Case{293.0, "west-north-west", "north-west"},
             Case{348.76, "north", "north"},
             Case{359.9, "north", "north"},
         }) {
        SCOPED_TRACE(c.bearing);
        EXPECT_STREQ(CompassWord(c.bearing, true), c.sixteen);
        EXPECT_STREQ(CompassWord(c.bearing, false), c.eight);
    }
}

TEST(QiblaText, SaysWholeDegreesAndTheEightPointWord) {
    EXPECT_EQ(QiblaText(58.4817), "58 degrees, north-east");
    EXPECT_EQ(QiblaText(118.987), "119 degrees, south-east");
    EXPECT_EQ(QiblaText(359.7), "0 degrees, north");
}

}  // namespace
}  // namespace salvenor

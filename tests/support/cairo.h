// Cairo, the place every suite, benchmark and the tour set up: the worked example of the prayer
// times (30.05 N, 31.25 E, GMT+2) and the city database's Cairo. Header-only, and needs no test
// framework, so that benchmarks and the tour can use it too.
#pragma once

#include "config/config_file.h"

namespace salvenor::testing {

// Cairo as the worked example of the prayer times and tests/data/config/cairo.cfg give it.
inline constexpr double CairoLatitude = 30.05;
inline constexpr double CairoLongitude = 31.25;

// Cairo as the city database holds it.
inline constexpr double CairoCityLatitude = 30.0444;
inline constexpr double CairoCityLongitude = 31.2357;

// The worked example's place on a record: Egypt, Cairo, its coordinates and GMT+2; the rest of
// the record is left as it is.
inline void SetCairoExample(ConfigRecord& config) {
    config.countryName = "Egypt";
    config.cityName = "Cairo";
    config.latitude = CairoLatitude;
    config.longitude = CairoLongitude;
    config.gmtOffsetHours = 2;
}

// The values of tests/data/config/cairo.cfg, written by make_samples.py.
inline ConfigRecord CairoRecord() {
    ConfigRecord r;
    r.gmtOffsetHours = 2;
    r.followWindowsZone = 0;
    r.cityName = "Cairo";
    r.countryName = "Egypt";
    r.cityLetterIndex = 2;
    r.longitude = CairoLongitude;
    r.latitude = CairoLatitude;
    r.altitude = 23.5;
    r.calculationWay = 0;
    r.athanWavPath = ".\\Athan\\Athan-1.wav";
    r.fajrAthanWavPath = ".\\Athan\\athanFajr.wav";
    r.showAthanAlert = 1;
    r.barOnTopReminder = 0;
    r.muteAllSounds = 1;
    r.topReminderOffset = 40;
    r.topReminderShown = 1;
    r.daylightSavingActive = 1;
    return r;
}

// A running set-up in the database's Cairo: first-run defaults, its zone given and the chime
// long since played, so that a start shows nothing else.
inline void SetUpCairo(ConfigRecord& config) {
    ApplyFirstRunDefaults(config);
    config.countryName = "Egypt";
    config.cityName = "Cairo";
    config.cityLetterIndex = 'C' - 'A';
    config.latitude = CairoCityLatitude;
    config.longitude = CairoCityLongitude;
    config.altitude = 23;
    config.gmtOffsetHours = 2;
    config.followWindowsZone = 0;
    config.topReminderShown = 1;
}

}  // namespace salvenor::testing

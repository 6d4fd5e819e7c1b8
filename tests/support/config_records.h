// Configuration records the tests share: the Cairo record of the sample files, the record of a
// cancelled first run, and a file loaded back as start-up loads it.
#pragma once

#include <string>

#include "config/config_file.h"
#include "tests/support/fakes.h"

namespace salvenor::testing {

// The values of tests/data/config/cairo.cfg, written by make_samples.py.
inline ConfigRecord CairoRecord() {
    ConfigRecord r;
    r.gmtOffsetHours = 2;
    r.followWindowsZone = 0;
    r.cityName = "Cairo";
    r.countryName = "Egypt";
    r.cityLetterIndex = 2;
    r.longitude = 31.25;
    r.latitude = 30.05;
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

// A running Cairo set-up: its zone given, alerts off and the chime long since played: a start shows
// nothing else.
inline void SetCairo(ConfigRecord& config) {
    ApplyFirstRunDefaults(config);
    config.countryName = "Egypt";
    config.cityName = "Cairo";
    config.cityLetterIndex = 'C' - 'A';
    config.latitude = 30.0444;
    config.longitude = 31.2357;
    config.altitude = 23;
    config.gmtOffsetHours = 2;
    config.followWindowsZone = 0;
    config.topReminderShown = 1;
    config.muteAllSounds = 1;
}

inline ConfigRecord FirstRunRecord() {
    ConfigRecord r;
    r.followWindowsZone = 1;
    ApplyFirstRunDefaults(r);
    return r;
}

// The record a fresh start loads from `path`; `boxes` (when given) receives its messages.
inline ConfigRecord LoadRecord(const std::string& path, RecordingMessageBoxes* boxes = nullptr) {
    RecordingMessageBoxes own;
    CConfigFile fresh(boxes != nullptr ? *boxes : own);
    fresh.configPath = path;
    fresh.OpenConfig();
    return static_cast<const ConfigRecord&>(fresh);
}

}  // namespace salvenor::testing

// The commands of salvenor-cli. Each takes its arguments without the command word and returns
// the exit status: 0 done, 1 a failure the command reports, 2 bad arguments.
#pragma once

#include <string>

#include "core/prayer_times.h"
#include "tools/cli/cli_common.h"

namespace salvenor::cli {

// What the arguments of `times` choose: the place, zone and convention (given, or those of zav.cfg
// in the current folder), the first day and the number of days.
struct TimesSelection {
    PrayerSettings settings;
    Date first;
    long long days = 1;
    bool fromFile = false;  // zav.cfg's place: each day takes the local clock's daylight saving
    bool dst = false;       // --dst: every time one hour later
    bool decimal = false;   // --decimal
    std::string placeName;  // "city, country" of zav.cfg; empty for a place given
};
// ExitOk, or the status after the usage line or the configuration's messages.
int SelectTimes(const Args& args, TimesSelection& selection);

int RunTimes(const Args& args);
int RunHijri(const Args& args);
int RunGregorian(const Args& args);
int RunConfig(const Args& args);
int RunConventions(const Args& args);
int RunSolarTable(const Args& args);
int RunCountries(const Args& args);
int RunCities(const Args& args);
int RunMonth(const Args& args);
int RunTodayPage(const Args& args);
int RunIcs(const Args& args);
int RunQibla(const Args& args);

}  // namespace salvenor::cli

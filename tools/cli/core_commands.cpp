// salvenor-cli commands over the core and the configuration file: times, hijri, gregorian,
// conventions, config, solar-table.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "config/config_file.h"
#include "core/hijri.h"
#include "core/local_time.h"
#include "core/prayer_times.h"
#include "core/solar_table.h"
#include "core/str_printf.h"
#include "platform/calculation_settings.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/settings_file.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/commands.h"

namespace salvenor::cli {

namespace {

struct TimesOptions {
    std::optional<Date> date;
    long long days = 1;
    std::optional<double> latitude, longitude, altitude, gmtHours;
    std::optional<long long> way;
    bool dst = false;
    bool decimal = false;
    CalculationFlags calculation;
};

// Parses the options of `times`; returns an error text, empty on success.
std::string ParseTimesOptions(const Args& args, TimesOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--dst") {
            o.dst = true;
            continue;
        }
        if (a == "--decimal") {
            o.decimal = true;
            continue;
        }
        std::string error;
        if (const FlagParse parsed = ParseCalculationFlag(args, i, o.calculation, error);
            parsed != FlagParse::NotOurs) {
            if (parsed == FlagParse::Refused) {
                return error;
            }
            continue;
        }
        static constexpr std::string_view valueOptions[] = {"--date", "--days", "--lat", "--lon",
                                                            "--alt",  "--gmt",  "--way"};
        if (std::find(std::begin(valueOptions), std::end(valueOptions), a) ==
            std::end(valueOptions)) {
            return "unknown argument '" + a + "'";
        }
        if (i + 1 >= args.size()) {
            return a + " needs a value";
        }
        const std::string& v = args[++i];
        if (a == "--date") {
            if (!(o.date = ParseDate(v))) {
                return "not a date (YYYY-MM-DD) or not one " + std::string(CalendarRange) + ": '" +
                       v + "'";
            }
        } else if (a == "--days") {
            const auto n = ParseInteger(v, 1, 36600);
            if (!n) {
                return "--days takes a whole number from 1 to 36600, not '" + v + "'";
            }
            o.days = *n;
        } else if (a == "--lat") {
            if (!(o.latitude = ParseNumber(v, MinLatitude, MaxLatitude))) {
                return StrPrintf("--lat takes degrees from %g to %g, not '", MinLatitude,
                                 MaxLatitude) +
                       v + "'";
            }
        } else if (a == "--lon") {
            if (!(o.longitude = ParseNumber(v, MinLongitude, MaxLongitude))) {
                return StrPrintf("--lon takes degrees from %g to %g, not '", MinLongitude,
                                 MaxLongitude) +
                       v + "'";
            }
        } else if (a == "--alt") {
            if (!(o.altitude = ParseNumber(v, MinAltitude, MaxAltitude))) {
                return StrPrintf("--alt takes metres from %g to %g, not '", MinAltitude,
                                 MaxAltitude) +
                       v + "'";
            }
        } else if (a == "--gmt") {
            if (!(o.gmtHours = ParseNumber(v, MinGmtOffsetHours, MaxGmtOffsetHours))) {
                return StrPrintf("--gmt takes hours from %d to %d, not '", MinGmtOffsetHours,
                                 MaxGmtOffsetHours) +
                       v + "'";
            }
        } else if (a == "--way") {
            if (!(o.way = ParseInteger(v, 0, 3))) {
                return "--way takes 0, 1, 2 or 3, not '" + v + "'";
            }
        }
    }
    const bool anyLocation = o.latitude || o.longitude || o.altitude || o.gmtHours || o.way;
    if (anyLocation && !(o.latitude && o.longitude && o.gmtHours && o.way)) {
        return "a location needs --lat, --lon, --gmt and --way together";
    }
    return CheckCalculationFlags(o.calculation);
}

}  // namespace

int SelectTimes(const Args& args, TimesSelection& selection) {
    TimesOptions o;
    if (const std::string error = ParseTimesOptions(args, o); !error.empty()) {
        return UsageError(error);
    }
    PrayerSettings& settings = selection.settings;
    selection.fromFile = !o.latitude.has_value();
    if (selection.fromFile) {
        StderrMessageBoxes boxes;
        OpenedConfiguration opened =
            OpenConfiguration(CurrentDirectory() + "/" + ConfigFileName, boxes);
        if (opened.status != ExitOk) {
            return opened.status;  // no times from settings that could not be read
        }
        CConfigFile& config = *opened.config;
        config.FollowSystemZone(SystemClock().now());
        config.calculationOptions =
            ReadCalculationOptions(SettingsFile(SettingsPathBeside(config.configPath)));
        settings = config.prayerSettings();
        selection.placeName = config.cityName + ", " + config.countryName;
    } else {
        settings.latitude = *o.latitude;
        settings.longitude = *o.longitude;
        settings.altitude = o.altitude.value_or(0.0);
        settings.calculationWay = static_cast<int>(*o.way);
        settings.gmtOffsetMinutes = static_cast<int>(std::lround(*o.gmtHours * 60.0));
    }
    // Unset choices: the defaults with a place given, salvenor.ini's with zav.cfg's place.
    settings.calculation = ApplyCalculationFlags(settings.calculation, o.calculation);
    selection.first = o.date.value_or(Today());
    selection.days = o.days;
    selection.dst = o.dst;
    selection.decimal = o.decimal;
    return ExitOk;
}

int RunTimes(const Args& args) {
    TimesSelection selection;
    if (const int status = SelectTimes(args, selection); status != ExitOk) {
        return status;
    }
    PrayerSettings settings = selection.settings;
    const Date& first = selection.first;
    for (long long k = 0; k < selection.days; ++k) {
        const long long when =
            MakeLocal(first.year, first.month, first.day + static_cast<int>(k), 12, 0, 0);
        const CalendarFields day = BreakLocal(when);
        // The daylight-saving state of the day itself, unless it is forced on.
        settings.daylightSavingActive =
            selection.dst || (selection.fromFile && DaylightSavingIn(day));
        const auto times = ComputePrayerTimes(when, settings);
        std::string line = FormatDate({day.day, day.month, day.year});
        for (int i = 0; i < 6; ++i) {
            line += selection.decimal ? StrPrintf(" %.9f", times[i])
                                      : StrPrintf("  %s %s", PrayerNames[i],
                                                  FormatDecimalTime(i, times[i]).c_str());
        }
        std::cout << line << '\n';
    }
    return ExitOk;
}

namespace {

// Takes --hijri-adjust N out of `args`; false after the usage line for a bad value.
bool TakeHijriAdjust(Args& args, int& days) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--hijri-adjust") {
            continue;
        }
        CalculationFlags flags;
        std::string error;
        std::size_t at = i;
        if (ParseCalculationFlag(args, at, flags, error) != FlagParse::Taken) {
            UsageError(error);
            return false;
        }
        days = *flags.hijriAdjust;
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(at) + 1);
        --i;
    }
    return true;
}

}  // namespace

int RunHijri(const Args& given) {
    Args args = given;
    int adjust = 0;
    if (!TakeHijriAdjust(args, adjust)) {
        return ExitUsage;
    }
    if (args.size() > 1) {
        return UsageError("hijri takes at most one date");
    }
    Date date = Today();
    if (args.size() == 1) {
        const auto parsed = ParseDate(args[0]);
        if (!parsed) {
            return UsageError("not a date (YYYY-MM-DD) or not one " + std::string(CalendarRange) +
                              ": '" + args[0] + "'");
        }
        date = *parsed;
    }
    const HijriDate h = GregorianToHijriShifted(date.day, date.month, date.year, adjust);
    std::cout << h.day << ' ' << h.month << ' ' << h.year << '\t'
              << FormatHijriDate(NoonOf(date), adjust) << '\n';
    return ExitOk;
}

int RunGregorian(const Args& given) {
    Args args = given;
    int adjust = 0;
    if (!TakeHijriAdjust(args, adjust)) {
        return ExitUsage;
    }
    if (args.size() != 3) {
        return UsageError("gregorian takes a Hijri YEAR MONTH DAY");
    }
    const auto year = ParseDigits(args[0], 1, MaxCalendarYear);
    const auto month = ParseDigits(args[1], 1, 12);
    const auto day = ParseDigits(args[2], 1, 30);
    if (!year || !month || !day) {
        return UsageError(StrPrintf(
            "a Hijri date is a YEAR from 1 to %d, a MONTH from 1 to 12 and a DAY from 1 to 30",
            MaxCalendarYear));
    }
    std::cout << FormatDate(HijriToGregorianShifted(
                     {static_cast<int>(*day), static_cast<int>(*month), static_cast<int>(*year)},
                     adjust))
              << '\n';
    return ExitOk;
}

int RunConfig(const Args& args) {
    if (args.size() > 1) {
        return UsageError("config takes at most one file");
    }
    const std::string path = args.empty() ? CurrentDirectory() + "/" + ConfigFileName : args[0];
    StderrMessageBoxes boxes;
    const OpenedConfiguration opened = OpenConfiguration(path, boxes);
    if (!opened.config) {
        return opened.status;
    }
    // What was read is printed even after a reported failure, which still sets the status.
    const CConfigFile& c = *opened.config;
    std::cout << "gmtOffsetHours=" << c.gmtOffsetHours << '\n'
              << "followWindowsZone=" << int{c.followWindowsZone} << '\n'
              << "cityName=" << c.cityName << '\n'
              << "countryName=" << c.countryName << '\n'
              << "cityLetterIndex=" << c.cityLetterIndex << '\n'
              << "longitude=" << StrPrintf("%.15g", c.longitude) << '\n'
              << "latitude=" << StrPrintf("%.15g", c.latitude) << '\n'
              << "altitude=" << StrPrintf("%.15g", c.altitude) << '\n'
              << "calculationWay=" << c.calculationWay << '\n'
              << "athanWavPath=" << c.athanWavPath << '\n'
              << "fajrAthanWavPath=" << c.fajrAthanWavPath << '\n'
              << "showAthanAlert=" << int{c.showAthanAlert} << '\n'
              << "barOnTopReminder=" << int{c.barOnTopReminder} << '\n'
              << "muteAllSounds=" << int{c.muteAllSounds} << '\n'
              << "topReminderOffset=" << c.topReminderOffset << '\n'
              << "topReminderShown=" << int{c.topReminderShown} << '\n'
              << "daylightSavingActive=" << int{c.daylightSavingActive} << '\n';
    return opened.status;
}

int RunConventions(const Args& args) {
    if (!args.empty()) {
        return UsageError("conventions takes no arguments");
    }
    for (const Convention& c : Conventions()) {
        std::string twilight = StrPrintf("fajr=%g ", c.fajrAngle);
        twilight += c.ishaMinutes > 0 ? StrPrintf("isha=%dmin", c.ishaMinutes)
                                      : StrPrintf("isha=%g", c.ishaAngle);
        if (c.ramadanIshaMinutes > 0) {
            twilight += StrPrintf(" ramadan-isha=%dmin", c.ramadanIshaMinutes);
        }
        if (c.maghribAngle > 0) {
            twilight += StrPrintf(" maghrib=%g", c.maghribAngle);
        }
        if (c.seasonalTwilight) {
            twilight += " seasonal";
        }
        const auto& m = c.minuteOffsets;
        std::cout << c.name << '\t' << twilight << '\t'
                  << StrPrintf("offsets=%d,%d,%d,%d,%d,%d", m[0], m[1], m[2], m[3], m[4], m[5])
                  << '\t' << c.label << '\t' << c.source << '\n';
    }
    return ExitOk;
}

int RunSolarTable(const Args& args) {
    if (!args.empty()) {
        return UsageError("solar-table takes no arguments");
    }
    for (std::size_t row = 0; row < SolarDayTable.size(); ++row) {
        const SolarDay& d = SolarDayTable[row];
        std::cout << StrPrintf("%zu %.2f %+.1f %.2f\n", row, d.equationOfTime, d.sign,
                               d.declination);
    }
    return ExitOk;
}

}  // namespace salvenor::cli

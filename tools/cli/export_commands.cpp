// salvenor-cli commands that take the times and the place elsewhere: ics (an iCalendar file of
// the prayer times) and qibla (the direction of the Kaaba).
#include <iostream>

#include "config/config_file.h"
#include "core/prayer_times.h"
#include "core/qibla.h"
#include "core/str_printf.h"
#include "pages/ics_export.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/commands.h"

namespace salvenor::cli {

namespace {

// The longest alarm: a day before.
constexpr long long MaxAlarmMinutes = 1440;

}  // namespace

int RunIcs(const Args& args) {
    // The export's own flags; everything else is what `times` takes.
    IcsOptions options;
    bool sunrise = false;
    Args rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sunrise") {
            sunrise = true;
        } else if (args[i] == "--alarm") {
            const auto minutes =
                i + 1 < args.size() ? ParseInteger(args[i + 1], 0, MaxAlarmMinutes) : std::nullopt;
            if (!minutes) {
                return UsageError(
                    StrPrintf("--alarm takes minutes from 0 to %lld", MaxAlarmMinutes));
            }
            options.alarmMinutes = static_cast<int>(*minutes);
            ++i;
        } else if (args[i] == "--decimal") {
            return UsageError("unknown argument '--decimal'");
        } else {
            rest.push_back(args[i]);
        }
    }
    TimesSelection selection;
    if (const int status = SelectTimes(rest, selection); status != ExitOk) {
        return status;
    }
    const DaylightSavingRule rule = selection.dst        ? DaylightSavingRule::Always
                                    : selection.fromFile ? DaylightSavingRule::LocalClock
                                                         : DaylightSavingRule::Never;
    const std::vector<IcsEvent> events = PrayerEventsOfDays(
        selection.first, static_cast<int>(selection.days), selection.settings, rule, sunrise);
    const IcsPlace place{selection.placeName, selection.settings.latitude,
                         selection.settings.longitude};
    std::cout << IcsCalendar(events, place, options, SystemClock().now());
    return ExitOk;
}

int RunQibla(const Args& args) {
    std::optional<double> latitude, longitude;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool lat = args[i] == "--lat";
        if (!lat && args[i] != "--lon") {
            return UsageError("unknown argument '" + args[i] + "'");
        }
        const double min = lat ? MinLatitude : MinLongitude;
        const double max = lat ? MaxLatitude : MaxLongitude;
        const auto value = i + 1 < args.size() ? ParseNumber(args[i + 1], min, max) : std::nullopt;
        if (!value) {
            return UsageError(
                StrPrintf("%s takes degrees from %g to %g", args[i].c_str(), min, max));
        }
        (lat ? latitude : longitude) = value;
        ++i;
    }
    if (latitude.has_value() != longitude.has_value()) {
        return UsageError("a place needs --lat and --lon together");
    }
    if (!latitude) {
        StderrMessageBoxes boxes;
        const OpenedConfiguration opened =
            OpenConfiguration(CurrentDirectory() + "/" + ConfigFileName, boxes);
        if (opened.status != ExitOk) {
            return opened.status;
        }
        latitude = opened.config->latitude;
        longitude = opened.config->longitude;
    }
    const double bearing = QiblaBearing(*latitude, *longitude);
    std::cout << StrPrintf("%.1f", bearing) << '\n' << QiblaText(bearing) << '\n';
    return ExitOk;
}

}  // namespace salvenor::cli

// salvenor-cli commands over the HTML pages: month (a month calendar page) and today-page
// (today's prayer-times page), built in the current folder as the program builds them.
#include <cstdlib>
#include <iostream>
#include <memory>

#include "config/config_file.h"
#include "core/hijri.h"
#include "core/local_time.h"
#include "pages/month_page.h"
#include "pages/today_page.h"
#include "platform/calculation_settings.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/settings_file.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/commands.h"

namespace salvenor::cli {

int RunMonth(const Args& args) {
    if (args.size() != 3 || (args[0] != "--hijri" && args[0] != "--gregorian")) {
        return UsageError("month takes --hijri or --gregorian, a year and a month");
    }
    const auto year = ParseDigits(args[1], 1, MaxCalendarYear);
    const auto month = ParseDigits(args[2], 1, 12);
    const CalendarKind kind = args[0] == "--hijri" ? CalendarKind::Hijri : CalendarKind::Gregorian;
    const bool supported =
        year && month &&
        (kind == CalendarKind::Hijri
             ? HijriMonthSupported(static_cast<int>(*year), static_cast<int>(*month))
             : GregorianMonthSupported(static_cast<int>(*year), static_cast<int>(*month)));
    if (!supported) {
        return UsageError("a year and a month in digits, of a month " + std::string(CalendarRange) +
                          ", not '" + args[1] + " " + args[2] + "'");
    }
    const std::string folder = CurrentDirectory();
    StderrMessageBoxes boxes;
    // The Hijri dates follow the user's day adjustment, as the program's calendar window does.
    const CalculationOptions options =
        ReadCalculationOptions(SettingsFile(folder + "/" + SettingsFileName));
    if (!BuildMonthPage(kind, static_cast<int>(*year), static_cast<int>(*month), folder, boxes,
                        options.hijriAdjustDays)) {
        return ExitFailure;
    }
    std::cout << MonthPagePath(folder) << '\n';
    return ExitOk;
}

int RunTodayPage(const Args& args) {
    if (!args.empty()) {
        return UsageError("today-page takes no arguments");
    }
    const std::string folder = CurrentDirectory();
    StderrMessageBoxes boxes;
    OpenedConfiguration opened = OpenConfiguration(folder + "/" + ConfigFileName, boxes);
    if (opened.status != ExitOk) {
        return opened.status;
    }
    CConfigFile& config = *opened.config;
    const ClockTime now = SystemClock().now();
    config.FollowSystemZone(now);
    // The running program keeps the daylight-saving flag at the local clock's state.
    config.daylightSavingActive = DaylightSavingAt(now) ? 1 : 0;
    config.calculationOptions =
        ReadCalculationOptions(SettingsFile(SettingsPathBeside(config.configPath)));
    const TodayPageTexts texts = GatherTodayTexts(now, config, config.prayerSettings());
    if (!BuildTodayPage(texts, folder, boxes)) {
        return ExitFailure;
    }
    std::cout << TodayPagePath(folder) << '\n';
    return ExitOk;
}

}  // namespace salvenor::cli

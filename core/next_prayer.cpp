// The next-prayer search.
#include "core/next_prayer.h"

#include "core/local_time.h"

namespace salvenor {

NextPrayer FindNextPrayer(std::int64_t now, PrayerSettings settings) {
    const CalendarFields local = BreakLocal(now);
    NextPrayer next;
    next.daylightSaving = local.isDst == 1;
    settings.daylightSavingActive = next.daylightSaving;

    // Seconds are ignored: a time within one minute of the current minute's start has passed,
    // which makes the search return the following prayer at the very moment a prayer comes.
    const double nowHours = local.hour + local.minute * 0.016666666666666666;
    const auto today = ComputePrayerTimes(now, settings);
    DecimalHours t = 0.0;
    bool found = false;
    for (int i = 0; i < 6; ++i) {
        if (today[i] - nowHours > 0.016667) {
            next.index = i;
            t = today[i];
            found = true;
            break;
        }
    }
    if (!found) {
        // Tomorrow by the calendar, not 86400 seconds on: the eve of a clock change has a day of
        // 23 or 25 hours.
        next.index = Fajr;
        t = ComputePrayerTime(Fajr, MakeLocal(local.year, local.month, local.day + 1, 12, 0, 0),
                              settings);
    }
    next.hour = static_cast<int>(t);
    next.minute = static_cast<int>((t - next.hour) * 60);
    return next;
}

}  // namespace salvenor

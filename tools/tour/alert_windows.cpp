#include "tools/tour/alert_windows.h"

#include "bar/reminder_dlg.h"
#include "bar/schedule.h"
#include "core/prayer_times.h"

namespace salvenor::tour {

std::unique_ptr<QDialog> MakeAthanWindow(AlertParts& parts, int prayerIndex, QWidget* parent) {
    // What the schedule hands the bar when the prayer comes on the tour's day: the prayer and the
    // one after it, both the same day here (the tour never shows Isha).
    const CConfigFile& config = parts.context.config;
    const auto times = ComputePrayerTimes(parts.context.clock.now(), config.prayerSettings());
    PrayerEvent prayer;
    prayer.index = prayerIndex;
    prayer.time = times.at(static_cast<std::size_t>(prayerIndex));
    PrayerEvent next;
    next.index = prayerIndex + 1;
    next.time = times.at(static_cast<std::size_t>(prayerIndex + 1));
    return std::make_unique<CAthanDlg>(MakeAthanRequest(prayer, next, config), parts.context,
                                       parent);
}

std::unique_ptr<QDialog> MakeReminderWindow(AlertParts& parts, QWidget* parent) {
    return std::make_unique<CReminderDlg>(parts.context, parent);
}

}  // namespace salvenor::tour

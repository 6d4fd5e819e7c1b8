// The notification choices in salvenor.ini.
#include "platform/notification_settings.h"

namespace salvenor {

bool NotifiesAtPrayer(const NotificationChoices& choices, bool athanWindowOn) {
    return choices.atPrayer.value_or(!athanWindowOn);
}

int ValidWarningMinutes(int minutes) {
    return minutes >= MinWarningMinutes && minutes <= MaxWarningMinutes ? minutes : 0;
}

NotificationChoices ReadNotificationChoices(const SettingsFile& settings) {
    NotificationChoices choices;
    if (settings.value(NotifyAtPrayerKey)) {
        const bool on = settings.boolValue(NotifyAtPrayerKey, true);
        // A value that is neither true nor false counts as unset.
        if (on == settings.boolValue(NotifyAtPrayerKey, false)) {
            choices.atPrayer = on;
        }
    }
    choices.warningMinutes = ValidWarningMinutes(settings.intValue(WarningMinutesKey, 0, 0, 1440));
    return choices;
}

void WriteNotificationChoices(SettingsFile& settings, const NotificationChoices& choices) {
    if (choices.atPrayer) {
        settings.setBool(NotifyAtPrayerKey, *choices.atPrayer);
    } else {
        settings.remove(NotifyAtPrayerKey);
    }
    settings.setInt(WarningMinutesKey, ValidWarningMinutes(choices.warningMinutes));
}

}  // namespace salvenor

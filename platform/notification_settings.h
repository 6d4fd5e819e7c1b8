// The notification choices kept in salvenor.ini: a notice at each prayer and a warning some
// minutes before it. With no such keys the program behaves as it always has, save that a user
// who turned the athan window off still hears of each prayer.
#pragma once

#include <optional>

#include "platform/settings_file.h"

namespace salvenor {

inline constexpr const char* NotifyAtPrayerKey = "notifications/atPrayer";
inline constexpr const char* WarningMinutesKey = "notifications/warningMinutes";
// The warning comes this many minutes before the prayer; 0 is no warning.
inline constexpr int MinWarningMinutes = 5;
inline constexpr int MaxWarningMinutes = 60;

struct NotificationChoices {
    // The notice at each prayer; unset, it follows the athan window (on while the window is off).
    std::optional<bool> atPrayer;
    int warningMinutes = 0;  // 0, or MinWarningMinutes..MaxWarningMinutes

    bool operator==(const NotificationChoices&) const = default;
};

// Whether the notice at each prayer is given, with the athan window on or off.
bool NotifiesAtPrayer(const NotificationChoices& choices, bool athanWindowOn);

// A warning's minutes as kept: 0 (off) or within the range; anything else is 0.
int ValidWarningMinutes(int minutes);

NotificationChoices ReadNotificationChoices(const SettingsFile& settings);
// Writes the keys of the choices (an unset atPrayer removes its key); the caller saves the file.
void WriteNotificationChoices(SettingsFile& settings, const NotificationChoices& choices);

}  // namespace salvenor

// The prayer times as an iCalendar file (RFC 5545): one event a prayer at its UTC instant, with
// stable identifiers so that importing the file again updates the events rather than doubling them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/hijri.h"
#include "core/prayer_times.h"

namespace salvenor {

// One exported time: the local date it belongs to, which time of that date, and its moment.
struct IcsEvent {
    GregorianDate date;
    int prayerIndex = Fajr;
    DecimalHours time = 0.0;  // on the clock of its date, as the windows show it
    std::int64_t utc = 0;     // its minute, seconds since 1970 UTC
};

// How the daylight-saving hour is decided for each day.
enum class DaylightSavingRule {
    LocalClock,  // the local clock's state at the day's noon, the times read on the local clock
                 // (the settings of zav.cfg, as the bar sounds them)
    Never,       // the zone's standard offset on every day
    Always,      // one hour later on every day
};

// The events of `days` local dates from `first`, Shrook only when `sunrise` is set. Under the
// local clock each minute is the moment the bar announces it (PrayerMinute); otherwise it is the
// clock minute less the settings' zone offset (and the daylight-saving hour).
std::vector<IcsEvent> PrayerEventsOfDays(const GregorianDate& first, int days,
                                         PrayerSettings settings, DaylightSavingRule rule,
                                         bool sunrise);

struct IcsPlace {
    std::string name;  // LOCATION; none when empty
    double latitude = 0.0;
    double longitude = 0.0;
};

struct IcsOptions {
    std::optional<int> alarmMinutes;  // a display alarm this many minutes before each event
};

// The whole calendar, CRLF line endings, lines folded at 75 octets. `stamp` (seconds since 1970)
// is every event's DTSTAMP. The UID of an event is made of its date, its time's name and the
// place's coordinates, so the same day exported again carries the same UID.
std::string IcsCalendar(const std::vector<IcsEvent>& events, const IcsPlace& place,
                        const IcsOptions& options, std::int64_t stamp);

// TEXT values escaped: backslash, semicolon, comma and line breaks.
std::string IcsEscapeText(std::string_view text);
// One content line folded into lines of at most 75 octets (continuations begin with a space),
// never inside a UTF-8 sequence, each ended by CRLF.
std::string IcsFoldLine(std::string_view line);
// "YYYYMMDDTHHMMSSZ".
std::string IcsUtcDateTime(std::int64_t utc);

}  // namespace salvenor

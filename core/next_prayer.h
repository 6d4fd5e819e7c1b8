// Which prayer comes next: the search shared by the prayer bar and today's page, and the order of
// the prayers from one day into the next.
#pragma once

#include <cstdint>

#include "core/prayer_times.h"

namespace salvenor {

// One of the six times of one local date. Its time is on that date's clock: 24 and more fall
// after the following midnight (Maghrib and Isha beyond the polar circles), below 0 before the
// date began.
struct PrayerEvent {
    int year = 1970;
    int month = 1;
    int day = 1;
    int index = Fajr;  // PrayerIndex
    DecimalHours time = 0.0;

    bool operator==(const PrayerEvent&) const = default;
};

// The prayer after an event: the next index of the same date, or the following date's Fajr after
// Isha. The times are computed with `settings` as given (their daylight-saving flag included).
PrayerEvent PrayerAfter(const PrayerEvent& event, const PrayerSettings& settings);
// The prayer before an event: the previous index, or the previous date's Isha before Fajr.
PrayerEvent PrayerBefore(const PrayerEvent& event, const PrayerSettings& settings);

// The event's minute (seconds 0) as a clock time, its time read on the clock of the given
// daylight-saving state: the state its times were computed under.
std::int64_t PrayerMinute(const PrayerEvent& event, bool daylightSaving);

// The rule that a time within one minute counts as passed: `time`, in hours from the same
// midnight as `nowHours` (the current hour and minute, seconds ignored), lies ahead when it is
// more than 0.016667 hours (a little over a minute) after the start of the current minute. This
// makes a search run at the very moment a prayer comes return the prayer after it.
bool StillAhead(DecimalHours time, double nowHours);

struct NextPrayer {
    PrayerEvent event;            // the prayer found and the date whose time it is
    bool daylightSaving = false;  // the local clock's daylight-saving state at `now`
};

// The first prayer still ahead (StillAhead) in the order of the days: yesterday's prayers that
// fall after midnight, today's, then tomorrow's. Shrook is a candidate like the prayers. The
// daylight-saving flag of `settings` is replaced by the local clock's state at `now` before the
// times are computed, and returned for the caller to keep.
NextPrayer FindNextPrayer(std::int64_t now, PrayerSettings settings);

}  // namespace salvenor

// Which prayer comes next: the search shared by the prayer bar and today's page.
#pragma once

#include <cstdint>

#include "core/prayer_times.h"

namespace salvenor {

struct NextPrayer {
    int index = 0;                // PrayerIndex; Shrook is a candidate like the prayers
    int hour = 0;                 // 0..23 as computed (not wrapped to 12 hours)
    int minute = 0;               // 0..59, cut, never rounded
    bool daylightSaving = false;  // the local clock's daylight-saving state at `now`
};

// The first of today's six times lying more than 0.016667 hours after the start of the current
// minute, else tomorrow's Fajr. The daylight-saving flag of `settings` is replaced by the local
// clock's state at `now` before the times are computed, and returned for the caller to keep.
NextPrayer FindNextPrayer(std::int64_t now, PrayerSettings settings);

}  // namespace salvenor

// The next-prayer search and the order of the prayers across days.
#include "core/next_prayer.h"

#include "core/local_time.h"

namespace salvenor {

namespace {

// A time within this many hours of the start of the current minute has passed.
constexpr double PassedWithin = 0.016667;
constexpr double MinuteInHours = 0.016666666666666666;

// The date `shift` days from a date; noon stays clear of the clocks' changes.
CalendarFields ShiftedDate(int year, int month, int day, int shift) {
    return BreakLocal(MakeLocal(year, month, day + shift, 12, 0, 0));
}

PrayerEvent EventOn(const CalendarFields& date, int index, const PrayerSettings& settings) {
    const auto times = ComputePrayerTimesOnDate(date.year, date.month, date.day, settings);
    return {date.year, date.month, date.day, index, times[static_cast<std::size_t>(index)]};
}

}  // namespace

PrayerEvent PrayerAfter(const PrayerEvent& event, const PrayerSettings& settings) {
    const int index = WrapPrayerIndex(event.index);
    const int shift = index == Isha ? 1 : 0;
    return EventOn(ShiftedDate(event.year, event.month, event.day, shift),
                   WrapPrayerIndex(index + 1), settings);
}

PrayerEvent PrayerBefore(const PrayerEvent& event, const PrayerSettings& settings) {
    const int index = WrapPrayerIndex(event.index);
    const int shift = index == Fajr ? -1 : 0;
    return EventOn(ShiftedDate(event.year, event.month, event.day, shift),
                   WrapPrayerIndex(index - 1), settings);
}

std::int64_t PrayerMinute(const PrayerEvent& event, bool daylightSaving) {
    const ClockMinute cut = CutToClockMinute(event.time);
    return MakeLocalUnder(daylightSaving, event.year, event.month, event.day + cut.dayShift,
                          cut.hour, cut.minute, 0);
}

bool StillAhead(DecimalHours time, double nowHours) {
    return time - nowHours > PassedWithin;
}

NextPrayer FindNextPrayer(std::int64_t now, PrayerSettings settings) {
    const CalendarFields local = BreakLocal(now);
    NextPrayer next;
    next.daylightSaving = DaylightSavingIn(local);
    settings.daylightSavingActive = next.daylightSaving;

    const double nowHours = local.hour + local.minute * MinuteInHours;
    // Days by the calendar, not 86400 seconds apart: the eve of a clock change has a day of 23 or
    // 25 hours. Tomorrow's Fajr always lies ahead, so the search ends there at the latest.
    for (int shift = -1; shift <= 1; ++shift) {
        const CalendarFields date = ShiftedDate(local.year, local.month, local.day, shift);
        const auto times = ComputePrayerTimesOnDate(date.year, date.month, date.day, settings);
        for (int i = Fajr; i <= Isha; ++i) {
            const DecimalHours t = times[static_cast<std::size_t>(i)];
            if (StillAhead(t + 24.0 * shift, nowHours) || (shift == 1 && i == Fajr)) {
                next.event = {date.year, date.month, date.day, i, t};
                return next;
            }
        }
    }
    return next;  // not reached
}

}  // namespace salvenor

// The prayer bar's schedule: interval, progress, title and the decisions of its timer ticks.
#include "bar/schedule.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "core/local_time.h"
#include "core/str_printf.h"
#include "core/texts.h"

namespace salvenor {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;
constexpr double MinuteInHours = 0.016666666666666666;
// A time no more than this many hours after the start of the current minute has passed.
constexpr double PassedWithin = 0.016667;

// The clock time of a local date (shifted by whole days) at hour:minute, second 0, read under
// the given daylight-saving state. The prayer times are computed under the state of the moment
// they are looked up, so they must be read back under the same state, not the one the library
// would pick for the target time: otherwise a prayer past a change of the clocks would come an
// hour early or late.
ClockTime LocalMinute(const CalendarFields& day, int dayShift, int hour, int minute, bool dst) {
    std::tm tm{};
    tm.tm_year = day.year - 1900;
    tm.tm_mon = day.month - 1;
    tm.tm_mday = day.day + dayShift;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = 0;
    tm.tm_isdst = dst ? 1 : 0;
    return static_cast<ClockTime>(std::mktime(&tm));
}

// Noon of a local date shifted by whole days: a clock time safely inside that day whatever the
// clocks do around midnight.
ClockTime LocalNoon(const CalendarFields& day, int dayShift) {
    return MakeLocal(day.year, day.month, day.day + dayShift, 12, 0, 0);
}

struct HourMinute {
    int hour;
    int minute;
};

// Minutes are cut, never rounded.
HourMinute Split(DecimalHours t) {
    const int hour = static_cast<int>(t);
    return {hour, static_cast<int>((t - hour) * 60)};
}

}  // namespace

PrayerInterval MeasureInterval(ClockTime now, CConfigFile& config) {
    PrayerInterval interval;
    interval.next = FindNextPrayer(now, config.prayerSettings());
    const bool dst = interval.next.daylightSaving;
    config.daylightSavingActive = dst ? 1 : 0;
    const PrayerSettings settings = config.prayerSettings();
    const CalendarFields local = BreakLocal(now);

    // A Fajr found is today's when today's Fajr still lies ahead by the search's own test (on
    // the same computation), otherwise it is tomorrow's. Before today's Fajr the interval began
    // with yesterday's Isha.
    int nextDay = 0;
    int previousDay = 0;
    if (interval.next.index == Fajr) {
        const double nowHours = local.hour + local.minute * MinuteInHours;
        const bool todays = ComputePrayerTimes(now, settings)[Fajr] - nowHours > PassedWithin;
        if (todays) {
            previousDay = -1;
        } else {
            nextDay = 1;
        }
    }
    interval.nextTime = LocalMinute(local, nextDay, interval.next.hour, interval.next.minute, dst);

    // Index -1 gives Isha.
    const DecimalHours previous =
        ComputePrayerTime(interval.next.index - 1, LocalNoon(local, previousDay), settings);
    const HourMinute prev = Split(previous);
    interval.previousTime = LocalMinute(local, previousDay, prev.hour, prev.minute, dst);

    interval.length = interval.nextTime - interval.previousTime;
    // The previous time can lie up to a minute ahead (a time within a minute of now counts as
    // passed); the interval has then not begun.
    const std::int64_t elapsed = now - interval.previousTime;
    interval.elapsed = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(elapsed, 0, std::numeric_limits<std::uint32_t>::max()));
    return interval;
}

ProgressPlan PlanProgress(std::int64_t intervalLength, std::uint32_t elapsed) {
    ProgressPlan plan;
    // An interval shorter than one second a column still moves the line a column a second.
    if (intervalLength >= static_cast<std::int64_t>(ProgressSteps)) {
        const std::int64_t step = std::min<std::int64_t>(intervalLength / ProgressSteps,
                                                         std::numeric_limits<std::uint32_t>::max());
        plan.step = static_cast<std::uint32_t>(step);
    }
    plan.start = elapsed / plan.step;
    return plan;
}

int LineColumns(std::uint32_t p) {
    // Progress p covers window columns 29 to p + 24, that is image columns 1 to p - 4.
    if (p < 5) {
        return 0;
    }
    return static_cast<int>(std::min<std::uint32_t>(p - 4, StripeColumns));
}

std::string ScheduleTitle(int prayerIndex, int hour, int minute) {
    const char* ampm = "AM";
    if (hour > 12 || (hour == 12 && prayerIndex >= Thuhr)) {
        ampm = "PM";
        if (hour > 12) {
            hour -= 12;
        }
    }
    const int index = std::clamp(prayerIndex, 0, 5);
    return StrPrintf(texts::NextPrayerTitle, PrayerNames[index], hour, minute, ampm);
}

TopReminderZone TopReminderZoneOf(std::uint32_t r) {
    if ((r >= 30 && r <= 39) || (r >= 110 && r <= 114) || r >= 140) {
        return TopReminderZone::Raise;
    }
    return TopReminderZone::Clear;
}

std::string AthanSoundFor(int prayerIndex, const ConfigRecord& config) {
    const std::string& stored = prayerIndex == Fajr ? config.fajrAthanWavPath : config.athanWavPath;
    return stored.empty() ? std::string(FallbackAthanFileName) : stored;
}

PrayerSchedule::PrayerSchedule(CConfigFile& config, const Clock& clock)
    : config_(config), clock_(clock) {}

ScheduleRestart PrayerSchedule::RestartSchedule() {
    // One clock reading for everything, so that the title, the line and the timer always speak
    // of the same prayer even when the minute turns during the restart.
    const ClockTime now = clock_.now();
    const PrayerInterval interval = MeasureInterval(now, config_);
    const ProgressPlan plan = PlanProgress(interval.length, interval.elapsed);
    progressStep_ = plan.step;
    progressStart_ = plan.start;
    progressTicks_ = 0;

    nextIndex_ = interval.next.index;
    nextTime_ = interval.nextTime;
    title_ = ScheduleTitle(interval.next.index, interval.next.hour, interval.next.minute);

    ScheduleRestart restart;
    restart.title = title_;
    restart.nextPrayerDelayMs = std::max<std::int64_t>(nextTime_ - now, 1) * 1000;
    return restart;
}

ProgressTick PrayerSchedule::OnProgressTick() {
    ProgressTick tick;
    if (progressTicks_ == 0) {
        tick.progressPeriodMs = static_cast<std::int64_t>(progressStep_) * 1000;
    }
    const std::uint32_t p = progressTicks_ + progressStart_;
    tick.lineChanged = LineColumns(p) != LineColumns(lineSteps_);
    lineSteps_ = p;
    ++progressTicks_;

    if (config_.barOnTopReminder != 0) {
        const std::uint32_t r =
            ProgressSteps - static_cast<std::uint32_t>(config_.topReminderOffset);
        if (TopReminderZoneOf(r) == TopReminderZone::Raise) {
            if (config_.topReminderShown == 0) {
                tick.front = BringBarToFront();
                config_.topReminderShown = 1;
            }
        } else {
            config_.topReminderShown = 0;
        }
    }
    return tick;
}

PrayerTick PrayerSchedule::OnNextPrayerTick() {
    const ClockTime now = clock_.now();
    PrayerTick tick;
    tick.prayerIndex = nextIndex_;
    if (now < nextTime_) {
        // A timer may fire a little early; the prayer has not come yet.
        tick.arrival = PrayerArrival::Early;
        tick.rearmMs = (nextTime_ - now) * 1000;
        return tick;
    }
    // Past the prayer's minute the tick is late: the machine slept or the clock was set forward
    // before the clock check noticed. The bar names the next prayer without a late alert.
    const bool missed = now >= nextTime_ + 60;
    tick.restart = RestartSchedule();
    lineSteps_ = 0;
    if (missed) {
        tick.arrival = PrayerArrival::Missed;
        return tick;
    }
    tick.arrival = PrayerArrival::Arrived;
    if (config_.showAthanAlert != 0 && tick.prayerIndex != Shrook) {
        tick.athan = AthanRequest{tick.prayerIndex, AthanSoundFor(tick.prayerIndex, config_),
                                  config_.muteAllSounds == 0};
    } else if (!alwaysOnTop_ && config_.barOnTopReminder != 0) {
        tick.front = BringBarToFront();
    }
    return tick;
}

std::optional<ScheduleRestart> PrayerSchedule::OnClockCheck(std::int64_t monotonicMs) {
    const ClockTime now = clock_.now();
    const long zone = BreakLocal(now).gmtOffsetSeconds;
    const bool first = !watching_;
    const std::int64_t departure = (now - lastWall_) * 1000 - (monotonicMs - lastMonotonicMs_);
    const bool zoneChanged = zone != lastZoneOffset_;
    watching_ = true;
    lastWall_ = now;
    lastMonotonicMs_ = monotonicMs;
    lastZoneOffset_ = zone;
    if (first || (std::abs(departure) <= ClockJumpToleranceMs && !zoneChanged)) {
        return std::nullopt;
    }
    if (config_.followWindowsZone != 0) {
        config_.FollowSystemZone(now);
    }
    return RestartSchedule();
}

BarFront PrayerSchedule::BringBarToFront() const {
    return BarFront{!alwaysOnTop_, config_.muteAllSounds == 0};
}

}  // namespace salvenor

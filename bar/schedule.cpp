// The prayer bar's schedule: interval, progress, title and the decisions of its timer ticks.
#include "bar/schedule.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <tuple>

#include "core/local_time.h"
#include "core/str_printf.h"
#include "core/texts.h"

namespace salvenor {

namespace {

PrayerInterval IntervalBetween(const PrayerEvent& previous, const NextPrayer& next, ClockTime now) {
    PrayerInterval interval;
    interval.next = next;
    interval.previous = previous;
    interval.nextTime = PrayerMinute(next.event, next.daylightSaving);
    interval.previousTime = PrayerMinute(previous, next.daylightSaving);
    interval.length = interval.nextTime - interval.previousTime;
    // The previous time can lie up to a minute ahead (a time within a minute of now counts as
    // passed); the interval has then not begun.
    const std::int64_t elapsed = now - interval.previousTime;
    interval.elapsed = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(elapsed, 0, std::numeric_limits<std::uint32_t>::max()));
    return interval;
}

}  // namespace

PrayerInterval MeasureInterval(ClockTime now, CConfigFile& config) {
    const NextPrayer next = FindNextPrayer(now, config.prayerSettings());
    config.daylightSavingActive = next.daylightSaving ? 1 : 0;
    return IntervalBetween(PrayerBefore(next.event, config.prayerSettings()), next, now);
}

PrayerInterval MeasureIntervalAfter(const PrayerEvent& arrived, ClockTime now,
                                    CConfigFile& config) {
    NextPrayer next;
    next.daylightSaving = DaylightSavingAt(now);
    config.daylightSavingActive = next.daylightSaving ? 1 : 0;
    const PrayerSettings settings = config.prayerSettings();
    next.event = PrayerAfter(arrived, settings);
    return IntervalBetween(PrayerBefore(next.event, settings), next, now);
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

std::string ScheduleTitle(int prayerIndex, DecimalHours time, const WordsOf& words) {
    const auto word = [&words](const char* english) { return WordOf(words, english); };
    const int index = WrapPrayerIndex(prayerIndex);
    const ClockTimeParts clock = ClockTimeOf(index, time, AmPmLetters::Upper);
    return StrPrintf(word(texts::NextPrayerTitle).c_str(),
                     word(PrayerNames[static_cast<std::size_t>(index)]).c_str(), clock.hour,
                     clock.minute, word(clock.suffix).c_str());
}

TopReminderZone TopReminderZoneOf(std::uint32_t r) {
    if ((r >= 30 && r <= 39) || (r >= 110 && r <= 114) || r >= 140) {
        return TopReminderZone::Raise;
    }
    return TopReminderZone::Clear;
}

std::string AthanSoundFor(int prayerIndex, const ConfigRecord& config) {
    const std::string& stored = prayerIndex == Fajr ? config.fajrAthanWavPath : config.athanWavPath;
    return stored.empty() ? std::string(AthanPlayedWhenUnset) : stored;
}

AthanRequest MakeAthanRequest(const PrayerEvent& prayer, const PrayerEvent& next,
                              const ConfigRecord& config) {
    AthanRequest athan;
    athan.prayerIndex = prayer.index;
    athan.prayerTime = prayer.time;
    athan.nextIndex = next.index;
    athan.nextTime = next.time;
    athan.soundPath = AthanSoundFor(prayer.index, config);
    athan.playSound = config.muteAllSounds == 0;
    return athan;
}

PrayerSchedule::PrayerSchedule(CConfigFile& config, const Clock& clock)
    : config_(config), clock_(clock) {}

ScheduleRestart PrayerSchedule::RestartSchedule() {
    // One clock reading for everything, so that the title, the line and the timer always speak
    // of the same prayer even when the minute turns during the restart.
    const ClockTime now = clock_.now();
    return Restart(MeasureInterval(now, config_), now);
}

ScheduleRestart PrayerSchedule::Restart(const PrayerInterval& interval, ClockTime now) {
    const ProgressPlan plan = PlanProgress(interval.length, interval.elapsed);
    progressStep_ = plan.step;
    progressStart_ = plan.start;
    progressTicks_ = 0;

    awaited_ = interval.next.event;
    nextTime_ = interval.nextTime;
    // Without a place the times are of no one's place: the title asks for one instead.
    title_ = HasNoPlace(config_) ? WordOf(words_, texts::NoPlaceTitle)
                                 : ScheduleTitle(awaited_.index, awaited_.time, words_);

    ScheduleRestart restart;
    restart.title = title_;
    restart.nextPrayerDelayMs = std::max<std::int64_t>(nextTime_ - now, 1) * 1000;
    return restart;
}

std::optional<TodayAtAGlance> PrayerSchedule::Glance() const {
    if (HasNoPlace(config_)) {
        return std::nullopt;
    }
    const ClockTime now = clock_.now();
    const PrayerSettings settings = config_.prayerSettings();
    TodayAtAGlance glance;
    for (int index = 0; index < static_cast<int>(glance.times.size()); ++index) {
        glance.times[static_cast<std::size_t>(index)] =
            FormatDecimalTime(index, ComputePrayerTime(index, now, settings), words_);
    }
    glance.nextIndex = awaited_.index;
    const std::int64_t secondsLeft = std::max<std::int64_t>(nextTime_ - now, 0);
    glance.minutesLeft = (secondsLeft + 59) / 60;
    return glance;
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

    if (config_.barOnTopReminder != 0 && !HasNoPlace(config_)) {
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
    if (now < nextTime_) {
        // A timer may fire a little early; the prayer has not come yet.
        PrayerTick tick;
        tick.prayerIndex = awaited_.index;
        tick.arrival = PrayerArrival::Early;
        tick.rearmMs = (nextTime_ - now) * 1000;
        return tick;
    }
    return CatchUp(now);
}

PrayerTick PrayerSchedule::CatchUp(ClockTime now) {
    PrayerTick tick;
    tick.prayerIndex = awaited_.index;
    lineSteps_ = 0;
    // The machine may have slept (or the clock been set forward) past the awaited prayer: walk on
    // from it to the first prayer whose minute began less than a minute ago or still lies ahead.
    // Prayers whose minutes began earlier came wholly unseen and stay silent.
    const bool daylightSaving = DaylightSavingAt(now);
    config_.daylightSavingActive = daylightSaving ? 1 : 0;
    const PrayerSettings settings = config_.prayerSettings();
    PrayerEvent previous = PrayerBefore(awaited_, settings);
    PrayerEvent candidate = awaited_;
    ClockTime minute = nextTime_;
    if (now - minute > SkipSearchAfterSeconds) {
        // A long way past: start from the prayers of the last hour rather than walk every day.
        candidate = FindNextPrayer(now - 3600, settings).event;
        previous = PrayerBefore(candidate, settings);
        minute = PrayerMinute(candidate, daylightSaving);
    }
    while (now - minute >= PrayerMinuteSeconds) {
        previous = candidate;
        candidate = PrayerAfter(candidate, settings);
        minute = PrayerMinute(candidate, daylightSaving);
    }
    if (minute > now) {
        // Its minute still lies ahead: the timer waits for it, with no late alert.
        tick.arrival = PrayerArrival::Missed;
        tick.restart = Restart(MeasureIntervalAfter(previous, now, config_), now);
        return tick;
    }
    // Its minute has begun while the machine was awake, or less than a minute before the look
    // that found it: announced as its own tick would.
    tick.prayerIndex = candidate.index;
    tick.arrival = PrayerArrival::Arrived;
    tick.restart = Restart(MeasureIntervalAfter(candidate, now, config_), now);
    if (HasNoPlace(config_)) {
        return tick;  // no athan and no reminder for the times of no place
    }
    if (candidate.index != Shrook &&
        NotifiesAtPrayer(notifications_, config_.showAthanAlert != 0)) {
        tick.notice = PrayerNotice{candidate.index, candidate.time, 0};
    }
    if (config_.showAthanAlert != 0 && candidate.index != Shrook) {
        tick.athan = MakeAthanRequest(candidate, awaited_, config_);
    } else if (!alwaysOnTop_ && config_.barOnTopReminder != 0) {
        tick.front = BringBarToFront();
    }
    return tick;
}

std::optional<PrayerTick> PrayerSchedule::OnClockCheck(std::int64_t monotonicMs) {
    const ClockTime now = clock_.now();
    // The user may have chosen another zone since the last look.
    RefreshLocalZone();
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
    config_.FollowSystemZone(now);
    if (now >= nextTime_) {
        // The awaited prayer's minute has come while the timer could not see it (the machine
        // woke, or the clock was set forward): the same catching up as a late tick.
        return CatchUp(now);
    }
    PrayerTick tick;
    tick.arrival = PrayerArrival::Rescheduled;
    tick.prayerIndex = awaited_.index;
    tick.restart = RestartSchedule();
    return tick;
}

namespace {

// Whether `a` comes after `b` in the order of the prayers (by date, then by index).
bool ComesAfter(const PrayerEvent& a, const PrayerEvent& b) {
    return std::tie(a.year, a.month, a.day, a.index) > std::tie(b.year, b.month, b.day, b.index);
}

}  // namespace

void PrayerSchedule::PlanWarning(ClockTime now, bool begun) {
    warningTarget_.reset();
    const int minutes = ValidWarningMinutes(notifications_.warningMinutes);
    if (minutes == 0 || HasNoPlace(config_)) {
        return;
    }
    // The times and their minutes under the clock's daylight-saving state now, as the athan's.
    const bool daylightSaving = DaylightSavingAt(now);
    PrayerSettings settings = config_.prayerSettings();
    settings.daylightSavingActive = daylightSaving;
    const std::int64_t lead = std::int64_t{minutes} * 60;
    const auto warningAt = [&](const PrayerEvent& e) {
        return PrayerMinute(e, daylightSaving) - lead;
    };
    const auto due = [&](ClockTime minute) {
        return begun ? now - minute < PrayerMinuteSeconds : minute > now;
    };
    // The next prayer, then back over those whose warnings are still due (within the lead,
    // several prayers may lie ahead; beyond the polar circles they can be minutes apart).
    PrayerEvent event = FindNextPrayer(now, settings).event;
    for (int k = 0; k < 12; ++k) {
        const PrayerEvent before = PrayerBefore(event, settings);
        if (!due(warningAt(before))) {
            break;
        }
        event = before;
    }
    if (lastWarned_ && !ComesAfter(event, *lastWarned_)) {
        // Warned of already (the clock was set back): on from the last one warned of.
        event = PrayerAfter(*lastWarned_, settings);
    }
    // On to the first that is warned of (not Shrook) whose warning is still due; a day holds
    // five, so two days' walk always finds one.
    for (int k = 0; k < 12 && (event.index == Shrook || !due(warningAt(event))); ++k) {
        event = PrayerAfter(event, settings);
    }
    warningTarget_ = event;
    warningMinute_ = warningAt(event);
}

std::optional<std::int64_t> PrayerSchedule::WarningDelayMs(ClockTime now) const {
    if (!warningTarget_) {
        return std::nullopt;
    }
    return std::max<std::int64_t>(warningMinute_ - now, 0) * 1000;
}

std::optional<std::int64_t> PrayerSchedule::RestartWarning() {
    const ClockTime now = clock_.now();
    PlanWarning(now, false);
    return WarningDelayMs(now);
}

WarningTick PrayerSchedule::OnWarningTick() {
    const ClockTime now = clock_.now();
    WarningTick tick;
    PlanWarning(now, true);
    if (warningTarget_ && warningMinute_ <= now) {
        tick.warning = PrayerNotice{warningTarget_->index, warningTarget_->time,
                                    ValidWarningMinutes(notifications_.warningMinutes)};
        lastWarned_ = warningTarget_;
        PlanWarning(now, true);
    }
    tick.delayMs = WarningDelayMs(now);
    return tick;
}

BarFront PrayerSchedule::BringBarToFront() const {
    return BarFront{!alwaysOnTop_, config_.muteAllSounds == 0};
}

}  // namespace salvenor

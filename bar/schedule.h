// The prayer bar's schedule in plain C++: the next prayer, the interval its line measures, the
// periods of its timers, its title, and what each of its timer ticks asks the window to do.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "config/config_file.h"
#include "core/next_prayer.h"
#include "core/words.h"
#include "platform/clock.h"
#include "platform/notification_settings.h"

namespace salvenor {

// The bar image is 146 columns wide: one progress step a column.
inline constexpr std::uint32_t ProgressSteps = 146;
// The first progress tick after a restart comes this soon, so the line shows at once.
inline constexpr int FirstProgressDelayMs = 500;
// Image columns on which the line can lie (the bright stripe runs from column 1 to 144).
inline constexpr int StripeFirstColumn = 1;
inline constexpr int StripeColumns = 144;
// The wall clock is compared with the monotonic clock this often, and a departure of more than
// the tolerance counts as the clock being set (or the machine waking from suspend).
inline constexpr int ClockCheckPeriodMs = 30000;
inline constexpr std::int64_t ClockJumpToleranceMs = 2000;
// A prayer is announced while its minute lasts: found later than this after its minute began (the
// machine slept, the clock was set forward), it passed unseen and stays silent.
inline constexpr std::int64_t PrayerMinuteSeconds = 60;
// Past the awaited prayer by more than this, the catching up starts from the last hour's prayers.
inline constexpr std::int64_t SkipSearchAfterSeconds = 2 * 86400;

// The chime of the bar and of the reminder window, and the call to prayer played when the
// setting for it is empty; both are relative to the working directory.
inline constexpr const char* ChimeFileName = "AlSalah.wav";
inline constexpr const char* AthanPlayedWhenUnset = "Athan-1.wav";
// The alert windows offer a reminder after this many minutes, and take 0 up to the maximum.
inline constexpr int FirstRemindMinutes = 5;
inline constexpr int MaxRemindMinutes = 300;

// The current interval: from the previous prayer's minute to the next prayer's minute.
struct PrayerInterval {
    NextPrayer next;             // the prayer awaited, and the clock's daylight-saving state
    PrayerEvent previous;        // the prayer before it
    ClockTime previousTime = 0;  // the previous prayer's minute, second 0
    ClockTime nextTime = 0;      // the next prayer's minute, second 0
    std::int64_t length = 0;     // nextTime - previousTime, seconds
    std::uint32_t elapsed = 0;   // seconds from previousTime to now; 0 while it still lies ahead
};

// Finds the next prayer at `now` and the interval that leads to it. Stores the local clock's
// daylight-saving state in config.daylightSavingActive, as the computation of the times reads it.
// The prayer minutes become clock times under that same daylight-saving state, so that an interval
// which spans a change of the clocks still ends at the moment the prayer comes.
PrayerInterval MeasureInterval(ClockTime now, CConfigFile& config);

// The interval that follows a prayer that has just come: it leads to the prayer after it, even
// when that one falls within the same minute (beyond the polar circles Maghrib and Isha can lie
// seconds apart), so that every prayer comes once, in order.
PrayerInterval MeasureIntervalAfter(const PrayerEvent& arrived, ClockTime now, CConfigFile& config);

// The step and the starting position of the progress line for an interval.
struct ProgressPlan {
    std::uint32_t step = 1;   // seconds per column, at least 1
    std::uint32_t start = 0;  // steps already elapsed
};
ProgressPlan PlanProgress(std::int64_t intervalLength, std::uint32_t elapsed);

// The number of image columns, from column 1 on, that the line covers at progress position p:
// none below 5, then p - 4, never past the stripe's end.
int LineColumns(std::uint32_t p);

// "Next: %s at: %d:%02d %s" for a prayer at a decimal hour, its clock time as every window
// writes it (FormatDecimalTime) with "AM" or "PM", each text through `words` (the bar's window
// passes the user's language).
std::string ScheduleTitle(int prayerIndex, DecimalHours time, const WordsOf& words = {});

// The bring-to-front rule's two zones of r = 146 - topReminderOffset (an unsigned 32-bit
// difference, so an offset above 146 wraps round to a very large r).
enum class TopReminderZone { Raise, Clear };
TopReminderZone TopReminderZoneOf(std::uint32_t r);

// The call to prayer for a prayer, as stored (".\Athan\Athan-1.wav" form): Fajr's own file for
// Fajr, the general one for the others, "Athan-1.wav" when the setting is empty.
std::string AthanSoundFor(int prayerIndex, const ConfigRecord& config);

// What bringing the bar to the front does: raise it (only when it is not kept on top anyway) and
// play the chime (unless all sounds are muted).
struct BarFront {
    bool raise = false;
    bool chime = false;
};

// What a restart asks of the window.
struct ScheduleRestart {
    std::string title;
    int progressDelayMs = FirstProgressDelayMs;
    std::int64_t nextPrayerDelayMs = 0;  // at least 1000
};

// What a progress tick asks of the window.
struct ProgressTick {
    std::optional<std::int64_t> progressPeriodMs;  // the first tick after a restart sets the period
    bool lineChanged = false;                      // repaint the line
    std::optional<BarFront> front;                 // the bring-to-front rule fired
};

enum class PrayerArrival {
    Early,        // the tick came before the prayer's minute: wait for the rest
    Arrived,      // the prayer's minute has come
    Missed,       // the minute passed unseen (suspend, the clock set forward): no late alert
    Rescheduled,  // the clock or its zone changed before the prayer came: the schedule restarted
};

// The athan window for a prayer: what it says and what it plays. The window shows and plays
// exactly this.
struct AthanRequest {
    int prayerIndex = 0;
    DecimalHours prayerTime = 0.0;  // the prayer's time on the clock of its date
    int nextIndex = 0;              // the prayer after it, as the bar now names it
    DecimalHours nextTime = 0.0;
    std::string soundPath;  // as stored; see AthanSoundFor
    bool playSound = true;  // false when all sounds are muted
};

// The request for `prayer`'s athan window, `next` being the prayer the bar names after it: the
// settings' sound for that prayer (AthanSoundFor), played unless all sounds are muted.
AthanRequest MakeAthanRequest(const PrayerEvent& prayer, const PrayerEvent& next,
                              const ConfigRecord& config);

// A desktop notice of a prayer: at its minute, or a warning some minutes before it.
struct PrayerNotice {
    int prayerIndex = 0;
    DecimalHours prayerTime = 0.0;  // on the clock of its date
    int minutesBefore = 0;          // 0: the prayer has come

    bool operator==(const PrayerNotice&) const = default;
};

// What the warning timer's tick asks of the window.
struct WarningTick {
    std::optional<PrayerNotice> warning;  // to be said now
    std::optional<std::int64_t> delayMs;  // arm the warning timer; none while no warning is due
};

// What a next-prayer tick asks of the window. For Arrived and Missed the schedule has restarted
// (`restart`), the line is cleared, and an athan window still open from an earlier prayer is to
// be closed as its "Close Window" button does. Rescheduled only restarts.
struct PrayerTick {
    PrayerArrival arrival = PrayerArrival::Early;
    int prayerIndex = 0;                     // the prayer awaited, or the one announced (Arrived)
    std::int64_t rearmMs = 0;                // Early: the rest of the wait
    std::optional<ScheduleRestart> restart;  // Arrived, Missed, Rescheduled
    std::optional<AthanRequest> athan;       // Arrived, alerts on, not sunrise
    std::optional<BarFront> front;           // Arrived without an athan window
    std::optional<PrayerNotice> notice;      // Arrived, its notice on, not sunrise
};

// What hovering over the bar tells: today's six times as every window writes them, the prayer
// the bar awaits and the whole minutes left until its minute comes (rounded up, so that the count
// reaches 0 only when the prayer is due).
struct TodayAtAGlance {
    std::array<std::string, 6> times;
    int nextIndex = 0;
    std::int64_t minutesLeft = 0;
    // The minutes left as hours and minutes.
    std::int64_t hoursLeft() const { return minutesLeft / 60; }
    std::int64_t minutesPastHours() const { return minutesLeft % 60; }
};

// The bar's schedule: everything the bar computes, over the Clock seam, with no windowing.
class PrayerSchedule {
  public:
    PrayerSchedule(CConfigFile& config, const Clock& clock);

    // Measures the interval anew, sets the step, title and next prayer, and returns the periods
    // of the progress and next-prayer timers.
    ScheduleRestart RestartSchedule();

    // The progress timer's tick: one more column, and the bring-to-front rule.
    ProgressTick OnProgressTick();

    // The next-prayer timer's tick.
    PrayerTick OnNextPrayerTick();

    // The wall-clock check, with the monotonic clock's reading in milliseconds. The first call
    // only takes the readings. A departure of the wall clock from the monotonic clock of more than
    // ClockJumpToleranceMs since the last call, or a change of the local zone offset (the zone
    // read afresh, daylight saving included), is answered: the zone is taken from the system again
    // when the settings follow it; when the awaited prayer's minute has come meanwhile, as a late
    // tick of its timer (see CatchUp); otherwise the schedule restarts (Rescheduled).
    std::optional<PrayerTick> OnClockCheck(std::int64_t monotonicMs);

    BarFront BringBarToFront() const;

    // Today's times (the local day of the clock's now) and the time left to the prayer awaited
    // since the last restart; nothing while there is no place.
    std::optional<TodayAtAGlance> Glance() const;
    // The notification choices (salvenor.ini); the defaults say nothing beyond what the athan
    // window does. The warning's plan is made again by RestartWarning.
    const NotificationChoices& notifications() const { return notifications_; }
    void setNotifications(const NotificationChoices& choices) { notifications_ = choices; }

    // Plans the warning before the next prayer whose warning minute still lies ahead (one whose
    // minute has begun is not given late) and returns how long until it, or nothing while
    // warnings are off or there is no place.
    std::optional<std::int64_t> RestartWarning();

    // The warning timer's tick, and the look after the clock jumped or its zone changed: the
    // first prayer not yet warned of (Shrook is passed over) whose warning minute began less than
    // PrayerMinuteSeconds ago is warned of now, and the next one planned. A warning minute that
    // passed wholly unseen (suspend, the clock set forward) stays silent; no prayer is warned of
    // twice, even when the clock is set back.
    WarningTick OnWarningTick();
    // The prayer the next warning is for, while one is planned.
    const std::optional<PrayerEvent>& warningTarget() const { return warningTarget_; }

    // Whether the bar is kept above all windows; decides whether bringing it to front raises it.
    bool alwaysOnTop() const { return alwaysOnTop_; }
    // The words of the title from the next restart on.
    void setWords(WordsOf words) { words_ = std::move(words); }
    void setAlwaysOnTop(bool on) { alwaysOnTop_ = on; }

    int nextIndex() const { return awaited_.index; }
    const PrayerEvent& awaited() const { return awaited_; }
    const std::string& title() const { return title_; }
    ClockTime nextPrayerTime() const { return nextTime_; }
    std::uint32_t progressStep() const { return progressStep_; }
    std::uint32_t progressStart() const { return progressStart_; }
    std::uint32_t progressTicks() const { return progressTicks_; }
    // Image columns covered by the line as last drawn (0 after a prayer came, until the next
    // progress tick).
    int lineColumns() const { return LineColumns(lineSteps_); }

  private:
    ScheduleRestart Restart(const PrayerInterval& interval, ClockTime now);
    // The one rule for a look at or past the awaited prayer's minute (its timer's tick, or the
    // clock check after a wake-up or a clock set forward): the first prayer from the awaited one on
    // whose minute began less than PrayerMinuteSeconds ago is announced (Arrived), as its own tick
    // would; if none has, the schedule restarts towards the first one still ahead (Missed).
    // Prayers whose minutes began earlier stay silent; none is announced twice.
    PrayerTick CatchUp(ClockTime now);
    // Sets warningTarget_ and warningMinute_ to the first prayer after lastWarned_ (not Shrook)
    // whose warning minute lies ahead of `now`, or with `begun` has begun less than a minute ago.
    void PlanWarning(ClockTime now, bool begun);
    std::optional<std::int64_t> WarningDelayMs(ClockTime now) const;

    CConfigFile& config_;
    const Clock& clock_;
    bool alwaysOnTop_ = true;
    WordsOf words_;

    PrayerEvent awaited_;
    std::string title_;
    ClockTime nextTime_ = 0;
    std::uint32_t progressStep_ = 1;
    std::uint32_t progressStart_ = 0;
    std::uint32_t progressTicks_ = 0;
    std::uint32_t lineSteps_ = 0;

    bool watching_ = false;
    ClockTime lastWall_ = 0;
    std::int64_t lastMonotonicMs_ = 0;
    long lastZoneOffset_ = 0;

    NotificationChoices notifications_;
    std::optional<PrayerEvent> warningTarget_;
    ClockTime warningMinute_ = 0;
    std::optional<PrayerEvent> lastWarned_;
};

}  // namespace salvenor

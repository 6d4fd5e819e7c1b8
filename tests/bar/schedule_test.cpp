// The bar's schedule stepped through whole days on a fake clock: titles, timer periods, athan
// requests, the progress line and the bring-to-front rule, in several zones and across the
// changes of the clocks.
#include "bar/schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/local_time.h"
#include "core/str_printf.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

using ScopedTz = testing::ScopedTimeZone;

std::string Describe(ClockTime t) {
    const CalendarFields f = BreakLocal(t);
    return StrPrintf("%04d-%02d-%02d %02d:%02d:%02d local (%lld)", f.year, f.month, f.day, f.hour,
                     f.minute, f.second, static_cast<long long>(t));
}

struct Place {
    const char* zone;
    double latitude;
    double longitude;
    int gmtOffsetHours;
    int calculationWay;
    bool followZone;
};

const Place Cairo{"Africa/Cairo", 30.0444, 31.2357, 2, EgyptianSurvey, false};
const Place London{"Europe/London", 51.5074, -0.1278, 0, Isna, false};
const Place Kolkata{"Asia/Kolkata", 22.5726, 88.3639, 0, WorldIslamicLeague, true};

// A configuration as first-run setup leaves it, at a place.
void Configure(CConfigFile& config, const Place& place, ClockTime now) {
    ApplyFirstRunDefaults(config);
    config.latitude = place.latitude;
    config.longitude = place.longitude;
    config.gmtOffsetHours = place.gmtOffsetHours;
    config.calculationWay = place.calculationWay;
    config.followWindowsZone = place.followZone ? 1 : 0;
    config.athanWavPath = ".\\Athan\\general.wav";
    config.fajrAthanWavPath = ".\\Athan\\dawn.wav";
    if (place.followZone) {
        config.FollowSystemZone(now);
    }
}

ClockTime UtcMidnight(int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    return static_cast<ClockTime>(timegm(&tm));
}

// The expectation, worked out in UTC from the standard-time prayer times: independent of the
// local-time arithmetic the schedule does.
struct Expected {
    int index = 0;
    std::string title;
    ClockTime nextMoment = 0;
    ClockTime previousMoment = 0;
};

struct DayTimes {
    std::array<DecimalHours, 6> standard{};  // local standard time, daylight saving taken off
    ClockTime utcMidnight = 0;               // UTC midnight of the local date
};

DayTimes TimesOfLocalDay(const CConfigFile& config, ClockTime when) {
    PrayerSettings settings = config.prayerSettings();
    settings.daylightSavingActive = false;
    const CalendarFields f = BreakLocal(when);
    return {ComputePrayerTimes(when, settings), UtcMidnight(f.year, f.month, f.day)};
}

// The hour and minute of a decimal hour: the hour cut, then the minutes of what is left, cut.
std::int64_t WholeMinutes(DecimalHours t) {
    const auto hour = static_cast<std::int64_t>(t);
    return hour * 60 + static_cast<std::int64_t>((t - static_cast<double>(hour)) * 60);
}

// The prayer's minute as a clock time: local standard minutes minus the zone offset.
ClockTime MinuteMoment(const DayTimes& day, int index, int offsetMinutes) {
    return day.utcMidnight + WholeMinutes(day.standard[index]) * 60 - offsetMinutes * 60;
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

Expected ExpectedAt(const CConfigFile& config, ClockTime now) {
    const CalendarFields local = BreakLocal(now);
    const int offset = config.prayerSettings().gmtOffsetMinutes;
    const double dst = local.isDst == 1 ? 1.0 : 0.0;
    const ClockTime minuteStart = now - local.second;
    const DayTimes today = TimesOfLocalDay(config, now);

    Expected e;
    std::optional<DecimalHours> hours;
    for (int i = 0; i < 6; ++i) {
        // A prayer counts as coming when it lies more than 0.016667 hours (60.0012 seconds)
        // after the start of the current minute.
        const double exact =
            static_cast<double>(today.utcMidnight) + today.standard[i] * 3600 - offset * 60.0;
        if (exact - static_cast<double>(minuteStart) > 60.0012) {
            e.index = i;
            hours = today.standard[i];
            e.nextMoment = MinuteMoment(today, i, offset);
            if (i > 0) {
                e.previousMoment = MinuteMoment(today, i - 1, offset);
            } else {
                const DayTimes yesterday = TimesOfLocalDay(
                    config, MakeLocal(local.year, local.month, local.day - 1, 12, 0, 0));
                e.previousMoment = MinuteMoment(yesterday, Isha, offset);
            }
            break;
        }
    }
    if (!hours) {
        // Tomorrow's Fajr, looked up one day of seconds ahead and placed on the next date.
        DayTimes tomorrow = TimesOfLocalDay(config, now + 86400);
        tomorrow.utcMidnight = today.utcMidnight + 86400;
        e.index = Fajr;
        hours = tomorrow.standard[Fajr];
        e.nextMoment = MinuteMoment(tomorrow, Fajr, offset);
        e.previousMoment = MinuteMoment(today, Isha, offset);
    }
    e.title = std::string("Next: ") + PrayerNames[e.index] +
              " at: " + Upper(FormatDecimalTime(e.index, *hours + dst));
    return e;
}

// The bar's timers, run on virtual time: the monotonic clock in milliseconds, the wall clock
// derived from it (plus any jump a test makes), and the three timers the schedule drives plus the
// wall-clock check, each firing at its due time in order.
class BarSimulation {
  public:
    struct Athan {
        ClockTime at;
        AthanRequest request;
        std::string titleAfter;  // the title the bar shows once the prayer has come
    };
    struct Front {
        ClockTime at;
        BarFront front;
    };
    struct Title {
        ClockTime at;
        std::string text;
    };
    struct Restart {
        ClockTime at;
        ScheduleRestart restart;
    };

    struct Notice {
        ClockTime at;
        PrayerNotice notice;
        bool operator==(const Notice&) const = default;
    };

    BarSimulation(CConfigFile& config, ClockTime start, const NotificationChoices& choices = {})
        : startMs_(start * 1000), clock_(start), schedule(config, clock_) {
        schedule.setNotifications(choices);
        ArmWarning(schedule.RestartWarning());
        Apply(schedule.RestartSchedule());
        schedule.OnClockCheck(0);
        clockCheckDue_ = ClockCheckPeriodMs;
    }

    ClockTime now() const { return clock_.now(); }

    // The wall-clock moment of the next look at the prayers: the clock check or the next-prayer
    // timer, whichever fires first.
    ClockTime NextLook() const {
        const std::int64_t due = std::min({clockCheckDue_, nextPrayerDue_.value_or(clockCheckDue_),
                                           warningDue_.value_or(clockCheckDue_)});
        return (startMs_ + shiftMs_ + due) / 1000;
    }

    // Sets the wall clock forward or back without the monotonic clock moving.
    void JumpWallClock(std::int64_t seconds) {
        shiftMs_ += seconds * 1000;
        Sync();
    }

    // Runs every timer due until the wall clock reads `until`.
    void RunUntil(ClockTime until) {
        while (true) {
            std::int64_t due = clockCheckDue_;
            if (progressDue_) {
                due = std::min(due, *progressDue_);
            }
            if (nextPrayerDue_) {
                due = std::min(due, *nextPrayerDue_);
            }
            if (warningDue_) {
                due = std::min(due, *warningDue_);
            }
            if (startMs_ + shiftMs_ + due > until * 1000) {
                monoMs_ = until * 1000 - startMs_ - shiftMs_;
                Sync();
                return;
            }
            monoMs_ = due;
            Sync();
            if (warningDue_ && *warningDue_ == due) {
                FireWarning();
            } else if (nextPrayerDue_ && *nextPrayerDue_ == due) {
                FireNextPrayer();
            } else if (progressDue_ && *progressDue_ == due) {
                FireProgress();
            } else {
                clockCheckDue_ += ClockCheckPeriodMs;
                if (const auto tick = schedule.OnClockCheck(monoMs_)) {
                    // As the bar does: the warning looks again first, then the prayer's tick.
                    FireWarning();
                    HandleTick(*tick);
                }
            }
        }
    }

    std::vector<Athan> athans;
    std::vector<Front> fronts;
    std::vector<Title> titles;
    std::vector<Restart> restarts;
    std::vector<Notice> warnings;  // the warnings before the prayers
    std::vector<Notice> notices;   // the notices at the prayers
    int missed = 0;
    int early = 0;

  private:
    void Sync() {
        const std::int64_t wallMs = startMs_ + shiftMs_ + monoMs_;
        clock_.set(wallMs >= 0 ? wallMs / 1000 : -((-wallMs + 999) / 1000));
    }

    void Apply(const ScheduleRestart& restart) {
        restarts.push_back({now(), restart});
        if (titles.empty() || titles.back().text != restart.title) {
            titles.push_back({now(), restart.title});
        }
        progressDue_ = monoMs_ + restart.progressDelayMs;
        nextPrayerDue_ = monoMs_ + restart.nextPrayerDelayMs;
    }

    void FireProgress() {
        const ProgressTick tick = schedule.OnProgressTick();
        if (tick.progressPeriodMs) {
            progressPeriodMs_ = *tick.progressPeriodMs;
        }
        progressDue_ = monoMs_ + progressPeriodMs_;
        if (tick.front) {
            fronts.push_back({now(), *tick.front});
        }
    }

    void ArmWarning(const std::optional<std::int64_t>& delayMs) {
        warningDue_.reset();
        if (delayMs) {
            warningDue_ = monoMs_ + *delayMs;
        }
    }

    void FireWarning() {
        const WarningTick tick = schedule.OnWarningTick();
        if (tick.warning) {
            warnings.push_back({now(), *tick.warning});
        }
        ArmWarning(tick.delayMs);
    }

    void FireNextPrayer() {
        nextPrayerDue_.reset();
        HandleTick(schedule.OnNextPrayerTick());
    }

    void HandleTick(const PrayerTick& tick) {
        if (tick.arrival == PrayerArrival::Early) {
            ++early;
            nextPrayerDue_ = monoMs_ + tick.rearmMs;
            return;
        }
        Apply(*tick.restart);
        if (tick.arrival == PrayerArrival::Missed) {
            ++missed;
        }
        if (tick.athan) {
            athans.push_back({now(), *tick.athan, schedule.title()});
        }
        if (tick.notice) {
            notices.push_back({now(), *tick.notice});
        }
        if (tick.front) {
            fronts.push_back({now(), *tick.front});
        }
    }

    std::int64_t startMs_;
    std::int64_t monoMs_ = 0;
    std::int64_t shiftMs_ = 0;
    FakeClock clock_;

  public:
    PrayerSchedule schedule;

  private:
    std::optional<std::int64_t> progressDue_;
    std::optional<std::int64_t> nextPrayerDue_;
    std::optional<std::int64_t> warningDue_;
    std::int64_t clockCheckDue_ = 0;
    std::int64_t progressPeriodMs_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Pure rules.

TEST(ScheduleTitle, WritesTwelveHourTimesWithThePrayersAmPmRule) {
    struct Case {
        int index, hour, minute;
        const char* title;
    };
    const Case cases[] = {
        {Maghrib, 18, 7, "Next: Maghrib at: 6:07 PM"},
        {Thuhr, 13, 5, "Next: Thuhr at: 1:05 PM"},
        {Thuhr, 12, 10, "Next: Thuhr at: 12:10 PM"},
        {Fajr, 12, 10, "Next: Fajr at: 12:10 AM"},
        {Shrook, 12, 10, "Next: Shrook at: 12:10 AM"},
        {Fajr, 0, 20, "Next: Fajr at: 0:20 AM"},
        {Isha, 23, 59, "Next: Isha at: 11:59 PM"},
        {Asr, 15, 30, "Next: Asr at: 3:30 PM"},
        {Fajr, 4, 5, "Next: Fajr at: 4:05 AM"},
        // After midnight, on the next day's clock (66.5 N in June).
        {Maghrib, 25, 12, "Next: Maghrib at: 1:12 AM"},
        {Isha, 24, 0, "Next: Isha at: 0:00 AM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScheduleTitle(c.index, c.hour + (c.minute + 0.5) / 60), c.title);
    }
}

TEST(TopReminderRule, ZonesOfR) {
    const std::pair<std::uint32_t, TopReminderZone> cases[] = {
        {0, TopReminderZone::Clear},   {29, TopReminderZone::Clear},
        {30, TopReminderZone::Raise},  {39, TopReminderZone::Raise},
        {40, TopReminderZone::Clear},  {106, TopReminderZone::Clear},
        {109, TopReminderZone::Clear}, {110, TopReminderZone::Raise},
        {114, TopReminderZone::Raise}, {115, TopReminderZone::Clear},
        {139, TopReminderZone::Clear}, {140, TopReminderZone::Raise},
        {146, TopReminderZone::Raise}, {146u - 200u, TopReminderZone::Raise},
    };
    for (const auto& [r, zone] : cases) {
        EXPECT_EQ(TopReminderZoneOf(r), zone) << r;
    }
}

TEST(ProgressPlan, StepIsTheIntervalOver146AndAtLeastOneSecond) {
    struct Case {
        std::int64_t length;
        std::uint32_t elapsed, step, start;
    };
    const Case cases[] = {
        {146 * 30, 0, 30, 0},
        {146 * 30 + 145, 61, 30, 2},
        {146 * 300, 146 * 300, 300, 146},
        {146, 7, 1, 7},
        {145, 0, 1, 0},
        {100, 37, 1, 37},
        {0, 5, 1, 5},
        {-20, 0, 1, 0},
    };
    for (const Case& c : cases) {
        const ProgressPlan plan = PlanProgress(c.length, c.elapsed);
        EXPECT_EQ(plan.step, c.step) << c.length;
        EXPECT_EQ(plan.start, c.start) << c.length;
    }
}

TEST(ProgressLine, CoversImageColumnsOneToPMinusFourWithinTheStripe) {
    const std::pair<std::uint32_t, int> cases[] = {
        {0, 0},     {4, 0},     {5, 1},
        {6, 2},     {100, 96},  {146, 142},
        {148, 144}, {149, 144}, {0xFFFFFFFFu, 144},
    };
    for (const auto& [p, columns] : cases) {
        EXPECT_EQ(LineColumns(p), columns) << p;
    }
}

TEST(AthanSound, FajrHasItsOwnFileAndAnEmptySettingFallsBack) {
    ConfigRecord config;
    config.athanWavPath = ".\\Athan\\Athan-1.wav";
    config.fajrAthanWavPath = ".\\Athan\\athanFajr.wav";
    EXPECT_EQ(AthanSoundFor(Fajr, config), ".\\Athan\\athanFajr.wav");
    for (int i : {Thuhr, Asr, Maghrib, Isha}) {
        EXPECT_EQ(AthanSoundFor(i, config), ".\\Athan\\Athan-1.wav");
    }
    config.athanWavPath.clear();
    config.fajrAthanWavPath.clear();
    EXPECT_EQ(AthanSoundFor(Fajr, config), "Athan-1.wav");
    EXPECT_EQ(AthanSoundFor(Isha, config), "Athan-1.wav");
}

// ---------------------------------------------------------------------------------------------
// A fresh restart at every minute of a day.

void CheckEveryMinute(const Place& place, int year, int month, int day) {
    const ScopedTz tz(place.zone);
    testing::RecordingMessageBoxes boxes;
    const ClockTime first = MakeLocal(year, month, day, 0, 0, 0);
    const ClockTime last = MakeLocal(year, month, day + 1, 0, 0, 0);
    for (ClockTime minute = first; minute < last; minute += 60) {
        for (int second : {0, 31, 59}) {
            const ClockTime now = minute + second;
            SCOPED_TRACE(Describe(now));
            CConfigFile config(boxes);
            Configure(config, place, now);
            const FakeClock clock(now);
            PrayerSchedule schedule(config, clock);
            const ScheduleRestart restart = schedule.RestartSchedule();
            const Expected e = ExpectedAt(config, now);

            ASSERT_EQ(restart.title, e.title);
            ASSERT_EQ(schedule.nextIndex(), e.index);
            ASSERT_EQ(schedule.nextPrayerTime(), e.nextMoment);
            ASSERT_EQ(restart.nextPrayerDelayMs, (e.nextMoment - now) * 1000);
            ASSERT_EQ(restart.progressDelayMs, 500);
            const std::int64_t length = e.nextMoment - e.previousMoment;
            const auto step = static_cast<std::uint32_t>(length / 146);
            ASSERT_EQ(schedule.progressStep(), step);
            const auto elapsed =
                static_cast<std::uint32_t>(std::max<ClockTime>(now - e.previousMoment, 0));
            ASSERT_EQ(schedule.progressStart(), elapsed / step);
            ASSERT_EQ(config.daylightSavingActive, BreakLocal(now).isDst == 1 ? 1 : 0);
        }
    }
}

TEST(EveryMinute, MatchesTheDaysTimesInEveryZone) {
    const struct {
        const char* name;
        const Place& place;
        int year, month, day;
    } cases[] = {
        {"Cairo", Cairo, 2024, 1, 15},
        {"CairoInSummerTime", Cairo, 2024, 6, 20},
        {"LondonClocksGoForward", London, 2024, 3, 31},
        {"LondonClocksGoBack", London, 2024, 10, 27},
        {"Kolkata", Kolkata, 2024, 9, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CheckEveryMinute(c.place, c.year, c.month, c.day);
    }
}

// ---------------------------------------------------------------------------------------------
// Whole days on the running timers.

struct DayRun {
    std::vector<BarSimulation::Athan> athans;
    std::vector<BarSimulation::Title> titles;
    std::vector<BarSimulation::Front> fronts;
    int missed = 0;
};

DayRun RunDays(CConfigFile& config, ClockTime from, ClockTime until) {
    BarSimulation sim(config, from);
    sim.RunUntil(until);
    return {sim.athans, sim.titles, sim.fronts, sim.missed};
}

// The moments each prayer of the local days in [from, until) comes, by the clock's own zone rules.
std::vector<std::pair<int, ClockTime>> PrayerMoments(const CConfigFile& config, ClockTime from,
                                                     ClockTime until) {
    std::vector<std::pair<int, ClockTime>> out;
    const CalendarFields f = BreakLocal(from);
    for (int d = -1; d <= 3; ++d) {
        const ClockTime noon = MakeLocal(f.year, f.month, f.day + d, 12, 0, 0);
        const DayTimes day = TimesOfLocalDay(config, noon);
        for (int i = 0; i < 6; ++i) {
            const ClockTime at = MinuteMoment(day, i, config.prayerSettings().gmtOffsetMinutes);
            if (at > from && at <= until) {
                out.emplace_back(i, at);
            }
        }
    }
    std::sort(out.begin(), out.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    return out;
}

void CheckWholeDays(const Place& place, int year, int month, int day, int days) {
    const ScopedTz tz(place.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime from = MakeLocal(year, month, day, 0, 0, 10);
    const ClockTime until = MakeLocal(year, month, day + days, 0, 0, 10);
    Configure(config, place, from);
    config.topReminderShown = 1;  // the first-tick raise is checked on its own
    const DayRun run = RunDays(config, from, until);
    const auto moments = PrayerMoments(config, from, until);

    // One athan window at each prayer but sunrise, at its minute, never two.
    std::vector<std::pair<int, ClockTime>> expectedAthans;
    for (const auto& m : moments) {
        if (m.first != Shrook) {
            expectedAthans.push_back(m);
        }
    }
    ASSERT_EQ(run.athans.size(), expectedAthans.size());
    for (std::size_t k = 0; k < expectedAthans.size(); ++k) {
        SCOPED_TRACE(Describe(expectedAthans[k].second));
        EXPECT_EQ(run.athans[k].request.prayerIndex, expectedAthans[k].first);
        EXPECT_EQ(run.athans[k].at, expectedAthans[k].second);
        EXPECT_EQ(run.athans[k].request.soundPath,
                  expectedAthans[k].first == Fajr ? ".\\Athan\\dawn.wav" : ".\\Athan\\general.wav");
        EXPECT_TRUE(run.athans[k].request.playSound);
    }
    EXPECT_EQ(run.missed, 0);
    // Kept on top, the bar neither rises nor chimes at sunrise.
    EXPECT_TRUE(run.fronts.empty());

    // The title names each prayer in turn and changes at the minute the previous one comes (or
    // when the clocks change and the same prayer is read on the new clock).
    ASSERT_FALSE(run.titles.empty());
    EXPECT_EQ(run.titles.front().text, ExpectedAt(config, from).title);
    std::size_t next = 0;
    for (std::size_t k = 1; k < run.titles.size(); ++k) {
        SCOPED_TRACE(Describe(run.titles[k].at));
        EXPECT_EQ(run.titles[k].text, ExpectedAt(config, run.titles[k].at).title);
        while (next < moments.size() && moments[next].second < run.titles[k].at) {
            ++next;
        }
        const bool atPrayer = next < moments.size() && moments[next].second == run.titles[k].at;
        const long offsetBefore = BreakLocal(run.titles[k].at - 31).gmtOffsetSeconds;
        const bool atClockChange = offsetBefore != BreakLocal(run.titles[k].at).gmtOffsetSeconds;
        EXPECT_TRUE(atPrayer || atClockChange);
    }
}

TEST(WholeDay, RunsWholeDaysInEveryZone) {
    const struct {
        const char* name;
        const Place& place;
        int year, month, day, days;
    } cases[] = {
        {"CairoWinter", Cairo, 2024, 1, 15, 2},
        {"CairoAcrossItsSummerTimeStart", Cairo, 2024, 4, 25, 2},
        {"LondonAcrossClocksGoingForward", London, 2024, 3, 30, 2},
        {"LondonAcrossClocksGoingBack", London, 2024, 10, 26, 2},
        {"Kolkata", Kolkata, 2024, 9, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CheckWholeDays(c.place, c.year, c.month, c.day, c.days);
    }
}

TEST(WholeDay, ClockChangeRenamesTheTimeOnTheNewClock) {
    const ScopedTz tz(London.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime from = MakeLocal(2024, 3, 31, 0, 20, 0);  // GMT, Fajr next
    Configure(config, London, from);
    BarSimulation sim(config, from);
    const std::string before = sim.schedule.title();
    const ClockTime fajr = sim.schedule.nextPrayerTime();
    sim.RunUntil(MakeLocal(2024, 3, 31, 2, 1, 0));  // 01:01 GMT = 02:01 BST
    // The same Fajr, now read on summer time: one hour later on the clock, same moment.
    EXPECT_NE(sim.schedule.title(), before);
    EXPECT_EQ(sim.schedule.title(), ExpectedAt(config, sim.now()).title);
    EXPECT_EQ(sim.schedule.nextPrayerTime(), fajr);
    EXPECT_EQ(config.daylightSavingActive, 1);
}

// ---------------------------------------------------------------------------------------------
// The interval across midnight and the exact-minute boundary.

TEST(Interval, FromIshaRunsAcrossMidnightToFajr) {
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime evening = MakeLocal(2024, 1, 15, 23, 0, 0);
    Configure(config, Cairo, evening);
    const DayTimes today = TimesOfLocalDay(config, evening);
    const DayTimes tomorrow = TimesOfLocalDay(config, evening + 86400);
    const ClockTime isha = MinuteMoment(today, Isha, 120);
    const ClockTime fajr = MinuteMoment(tomorrow, Fajr, 120) + 0;

    for (const ClockTime now : {evening, MakeLocal(2024, 1, 16, 2, 0, 0)}) {
        SCOPED_TRACE(Describe(now));
        const PrayerInterval interval = MeasureInterval(now, config);
        EXPECT_EQ(interval.next.event.index, Fajr);
        EXPECT_EQ(interval.previousTime, isha);
        EXPECT_EQ(interval.nextTime, fajr);
        EXPECT_EQ(interval.length, fajr - isha);
        EXPECT_EQ(interval.elapsed, static_cast<std::uint32_t>(now - isha));
    }
}

// A longitude that puts Thuhr at the given local hours on the day of `noon` (Cairo, +2).
double LongitudeForThuhr(CConfigFile& config, ClockTime noon, double hours) {
    config.longitude = 30.0;
    const double atThirty = ComputePrayerTime(Thuhr, noon, config.prayerSettings());
    return 30.0 + 15.0 * (atThirty - hours);
}

TEST(Interval, APrayerWithinAMinuteOfTheCurrentMinuteHasPassed) {
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    const ClockTime now = MakeLocal(2024, 1, 15, 12, 4, 40);
    SCOPED_TRACE(Describe(now));

    // Thuhr at exactly 12:05:00 is passed: the title names Asr, and the timer runs to Asr's
    // minute, not twenty seconds short of it.
    {
        CConfigFile config(boxes);
        Configure(config, Cairo, now);
        config.longitude = LongitudeForThuhr(config, now, 12 + 5 / 60.0);
        const FakeClock clock(now);
        PrayerSchedule schedule(config, clock);
        const ScheduleRestart restart = schedule.RestartSchedule();
        const Expected e = ExpectedAt(config, now);
        EXPECT_EQ(e.index, Asr);
        EXPECT_EQ(schedule.nextIndex(), Asr);
        EXPECT_EQ(restart.title, e.title);
        EXPECT_EQ(restart.nextPrayerDelayMs, (e.nextMoment - now) * 1000);
        // The interval from Thuhr's minute has not begun.
        EXPECT_EQ(schedule.progressStart(), 0u);

        // Run on: Asr comes once, at its minute; Thuhr never.
        BarSimulation sim(config, now);
        sim.RunUntil(e.nextMoment + 120);
        ASSERT_EQ(sim.athans.size(), 1u);
        EXPECT_EQ(sim.athans[0].request.prayerIndex, Asr);
        EXPECT_EQ(sim.athans[0].at, e.nextMoment);
    }
    // Thuhr at 12:05:30 is taken; its minute is 12:05, twenty seconds away.
    {
        CConfigFile config(boxes);
        Configure(config, Cairo, now);
        config.longitude = LongitudeForThuhr(config, now, 12 + 5.5 / 60.0);
        BarSimulation sim(config, now);
        EXPECT_EQ(sim.schedule.title(), "Next: Thuhr at: 12:05 PM");
        EXPECT_EQ(sim.restarts.at(0).restart.nextPrayerDelayMs, 20000);
        sim.RunUntil(now + 21);
        ASSERT_EQ(sim.athans.size(), 1u);
        EXPECT_EQ(sim.athans[0].request.prayerIndex, Thuhr);
        EXPECT_EQ(sim.athans[0].at, now + 20);
        EXPECT_EQ(sim.schedule.nextIndex(), Asr);
    }
}

// ---------------------------------------------------------------------------------------------
// Next-prayer ticks.

struct TickFixture {
    explicit TickFixture(ClockTime start) : clock(start) {
        Configure(config, Cairo, start);
        config.topReminderShown = 1;
    }
    testing::RecordingMessageBoxes boxes;
    CConfigFile config{boxes};
    FakeClock clock;
};

TEST(NextPrayerTick, AnEarlyTickWaitsForTheRestAndRaisesNothing) {
    const ScopedTz tz(Cairo.zone);
    TickFixture f(MakeLocal(2024, 1, 15, 10, 0, 0));
    PrayerSchedule schedule(f.config, f.clock);
    schedule.setAlwaysOnTop(false);
    schedule.RestartSchedule();
    ASSERT_EQ(schedule.nextIndex(), Thuhr);
    const ClockTime thuhr = schedule.nextPrayerTime();
    const std::string title = schedule.title();

    for (const std::int64_t before : {90, 1}) {
        f.clock.set(thuhr - before);
        SCOPED_TRACE(Describe(f.clock.now()));
        const PrayerTick tick = schedule.OnNextPrayerTick();
        EXPECT_EQ(tick.arrival, PrayerArrival::Early);
        EXPECT_EQ(tick.rearmMs, before * 1000);
        EXPECT_FALSE(tick.restart);
        EXPECT_FALSE(tick.athan);
        EXPECT_FALSE(tick.front);
        EXPECT_EQ(schedule.title(), title);
    }
    f.clock.set(thuhr);
    const PrayerTick tick = schedule.OnNextPrayerTick();
    EXPECT_EQ(tick.arrival, PrayerArrival::Arrived);
    ASSERT_TRUE(tick.athan);
    EXPECT_EQ(tick.athan->prayerIndex, Thuhr);
    EXPECT_EQ(schedule.nextIndex(), Asr);
}

TEST(NextPrayerTick, APrayerWhoseMinutePassedUnseenGetsNoLateAlert) {
    const ScopedTz tz(Cairo.zone);
    TickFixture f(MakeLocal(2024, 1, 15, 10, 0, 0));
    PrayerSchedule schedule(f.config, f.clock);
    schedule.setAlwaysOnTop(false);
    schedule.RestartSchedule();
    const ClockTime thuhr = schedule.nextPrayerTime();
    f.clock.set(thuhr + 60);  // asleep through Thuhr's minute
    const PrayerTick tick = schedule.OnNextPrayerTick();
    EXPECT_EQ(tick.arrival, PrayerArrival::Missed);
    EXPECT_FALSE(tick.athan);
    EXPECT_FALSE(tick.front);
    ASSERT_TRUE(tick.restart);
    EXPECT_EQ(tick.restart->title, ExpectedAt(f.config, thuhr + 60).title);
    EXPECT_EQ(schedule.nextIndex(), Asr);
    EXPECT_EQ(schedule.lineColumns(), 0);
}

TEST(NextPrayerTick, WhatArrivingPrayersAsk) {
    const ScopedTz tz(Cairo.zone);
    struct Case {
        int prayer;
        bool showAthanAlert, barOnTopReminder, muted, alwaysOnTop;
        bool athan;
        std::optional<BarFront> front;
    };
    const Case cases[] = {
        {Thuhr, true, true, false, true, true, std::nullopt},
        {Fajr, true, true, true, true, true, std::nullopt},
        {Shrook, true, true, false, true, false, std::nullopt},
        {Shrook, true, true, false, false, false, BarFront{true, true}},
        {Shrook, true, true, true, false, false, BarFront{true, false}},
        {Shrook, true, false, false, false, false, std::nullopt},
        {Asr, false, true, false, true, false, std::nullopt},
        {Asr, false, true, false, false, false, BarFront{true, true}},
        {Asr, false, false, false, false, false, std::nullopt},
    };
    testing::RecordingMessageBoxes boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(PrayerNames[c.prayer]);
        // Start a little before the prayer: Fajr from the night, the others from the morning.
        CConfigFile config(boxes);
        const ClockTime probe = MakeLocal(2024, 1, 15, 12, 0, 0);
        Configure(config, Cairo, probe);
        const DayTimes day = TimesOfLocalDay(config, probe);
        const ClockTime at = MinuteMoment(day, c.prayer, 120);
        FakeClock clock(at - 600);
        config.showAthanAlert = c.showAthanAlert;
        config.barOnTopReminder = c.barOnTopReminder;
        config.muteAllSounds = c.muted;
        config.topReminderShown = 1;
        PrayerSchedule schedule(config, clock);
        schedule.setAlwaysOnTop(c.alwaysOnTop);
        schedule.RestartSchedule();
        ASSERT_EQ(schedule.nextIndex(), c.prayer);
        clock.set(at);
        const PrayerTick tick = schedule.OnNextPrayerTick();
        ASSERT_EQ(tick.arrival, PrayerArrival::Arrived);
        EXPECT_EQ(tick.prayerIndex, c.prayer);
        ASSERT_EQ(tick.athan.has_value(), c.athan);
        if (c.athan) {
            EXPECT_EQ(tick.athan->prayerIndex, c.prayer);
            EXPECT_EQ(tick.athan->playSound, !c.muted);
        }
        ASSERT_EQ(tick.front.has_value(), c.front.has_value());
        if (c.front) {
            EXPECT_EQ(tick.front->raise, c.front->raise);
            EXPECT_EQ(tick.front->chime, c.front->chime);
        }
    }
}

// A record with no place (empty names at 0,0) asks for a city in the title and raises nothing;
// any one of the four fields set makes it a place again.
TEST(NoPlace, TitleAsksForACityAndNothingFires) {
    const ScopedTz tz("UTC");
    struct Case {
        const char* name;
        const char* country;
        const char* city;
        double latitude, longitude;
        bool noPlace;
    };
    const Case cases[] = {
        {"cancelled first run", "", "", 0.0, 0.0, true},
        {"typed 0,0", "", "0.00 N, 0.00 E", 0.0, 0.0, false},
        {"country only", "Egypt", "", 0.0, 0.0, false},
        {"latitude only", "", "", 0.5, 0.0, false},
        {"longitude only", "", "", 0.0, -0.5, false},
    };
    testing::RecordingMessageBoxes boxes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CConfigFile config(boxes);
        const ClockTime probe = MakeLocal(2024, 1, 15, 4, 0, 0);
        Configure(config, Place{"UTC", c.latitude, c.longitude, 0, EgyptianSurvey, false}, probe);
        config.countryName = c.country;
        config.cityName = c.city;
        config.topReminderShown = 0;
        config.topReminderOffset = 0;  // every progress tick is in the raise zone
        FakeClock clock(probe);
        PrayerSchedule schedule(config, clock);
        schedule.setAlwaysOnTop(false);
        const ScheduleRestart restart = schedule.RestartSchedule();
        EXPECT_EQ(restart.title == "Choose your city: menu, Setup...", c.noPlace) << restart.title;
        EXPECT_EQ(schedule.OnProgressTick().front.has_value(), !c.noPlace);

        clock.set(schedule.nextPrayerTime());
        const PrayerTick tick = schedule.OnNextPrayerTick();
        ASSERT_EQ(tick.arrival, PrayerArrival::Arrived);
        EXPECT_EQ(tick.athan.has_value() || tick.front.has_value(), !c.noPlace);
        ASSERT_TRUE(tick.restart.has_value());
        EXPECT_EQ(tick.restart->title == "Choose your city: menu, Setup...", c.noPlace);
    }
}

// ---------------------------------------------------------------------------------------------
// The wall clock set forward and back, and the zone changed.

TEST(ClockCheck, ClockSetForwardSkipsThePrayersBetweenWithoutAlerts) {
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime start = MakeLocal(2024, 1, 15, 8, 0, 0);
    Configure(config, Cairo, start);
    config.topReminderShown = 1;
    BarSimulation sim(config, start);
    ASSERT_EQ(sim.schedule.nextIndex(), Thuhr);
    sim.RunUntil(MakeLocal(2024, 1, 15, 10, 0, 0));
    sim.JumpWallClock(6 * 3600);  // 16:00, past Thuhr and Asr
    const ClockTime jumped = sim.now();
    sim.RunUntil(jumped + 30);
    SCOPED_TRACE(Describe(sim.now()));
    EXPECT_EQ(sim.schedule.title(), ExpectedAt(config, sim.now()).title);
    EXPECT_EQ(sim.schedule.nextIndex(), Maghrib);
    sim.RunUntil(MakeLocal(2024, 1, 15, 21, 0, 0));
    std::vector<int> alerted;
    for (const auto& a : sim.athans) {
        alerted.push_back(a.request.prayerIndex);
    }
    EXPECT_EQ(alerted, (std::vector<int>{Maghrib, Isha}));
}

TEST(ClockCheck, ClockSetBackNamesTheEarlierPrayerAgain) {
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime start = MakeLocal(2024, 1, 15, 13, 0, 0);
    Configure(config, Cairo, start);
    config.topReminderShown = 1;
    BarSimulation sim(config, start);
    ASSERT_EQ(sim.schedule.nextIndex(), Asr);
    sim.JumpWallClock(-3 * 3600);  // 10:00
    sim.RunUntil(sim.now() + 30);
    SCOPED_TRACE(Describe(sim.now()));
    EXPECT_EQ(sim.schedule.nextIndex(), Thuhr);
    const Expected e = ExpectedAt(config, sim.now());
    EXPECT_EQ(sim.schedule.title(), e.title);
    EXPECT_EQ(sim.restarts.back().restart.nextPrayerDelayMs, (e.nextMoment - sim.now()) * 1000);
    sim.RunUntil(e.nextMoment + 30);
    ASSERT_EQ(sim.athans.size(), 1u);
    EXPECT_EQ(sim.athans[0].request.prayerIndex, Thuhr);
    EXPECT_EQ(sim.athans[0].at, e.nextMoment);
}

TEST(ClockCheck, SmallDriftIsNotAJump) {
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime start = MakeLocal(2024, 1, 15, 8, 0, 0);
    Configure(config, Cairo, start);
    FakeClock clock(start);
    PrayerSchedule schedule(config, clock);
    schedule.RestartSchedule();
    EXPECT_FALSE(schedule.OnClockCheck(0));
    clock.advance(32);  // two seconds ahead of the monotonic 30
    EXPECT_FALSE(schedule.OnClockCheck(30000));
    clock.advance(27);  // three behind
    EXPECT_TRUE(schedule.OnClockCheck(60000));
    clock.advance(33);  // three ahead
    EXPECT_TRUE(schedule.OnClockCheck(90000));
}

// The system's zone changes while the bar runs. Only TZ is changed here: reading the zone afresh is
// the clock check's own business (the C library does not look again by itself).
TEST(ClockCheck, ZoneChangeIsNoticedAndFollowed) {
    const ScopedTz cairo(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime start = MakeLocal(2024, 1, 15, 8, 0, 0);
    Configure(config, Cairo, start);
    config.followWindowsZone = 1;
    config.FollowSystemZone(start);
    FakeClock clock(start);
    PrayerSchedule schedule(config, clock);
    schedule.RestartSchedule();
    ASSERT_FALSE(schedule.OnClockCheck(0));
    const std::string before = schedule.title();

    setenv("TZ", Kolkata.zone, 1);  // 11:30 there; no tzset() on the code's behalf
    clock.advance(30);
    const auto tick = schedule.OnClockCheck(30000);
    setenv("TZ", Cairo.zone, 1);  // the scope's guard reads it back
    ASSERT_TRUE(tick);
    EXPECT_EQ(tick->arrival, PrayerArrival::Rescheduled);
    ASSERT_TRUE(tick->restart);
    EXPECT_FALSE(tick->athan);
    EXPECT_EQ(config.gmtOffsetHours, 5);
    EXPECT_EQ(config.prayerSettings().gmtOffsetMinutes, 330);
    EXPECT_NE(tick->restart->title, before);
    {
        const ScopedTz kolkata(Kolkata.zone);
        EXPECT_EQ(tick->restart->title, ExpectedAt(config, clock.now()).title);
    }
}

// The machine wakes just before a prayer and the clock check sees the jump only after the prayer's
// minute has begun: the prayer still gets its athan when its minute began less than a minute ago.
TEST(ClockCheck, APrayerWhoseMinuteCameDuringTheJumpIsAnnounced) {
    const ScopedTz tz(Cairo.zone);
    struct Case {
        std::int64_t secondsAfterThuhr;
        PrayerArrival arrival;
        bool athan;
    };
    const Case cases[] = {
        {-30, PrayerArrival::Rescheduled, false}, {0, PrayerArrival::Arrived, true},
        {10, PrayerArrival::Arrived, true},       {59, PrayerArrival::Arrived, true},
        {60, PrayerArrival::Missed, false},       {3600, PrayerArrival::Missed, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secondsAfterThuhr);
        TickFixture f(MakeLocal(2024, 1, 15, 9, 0, 0));
        PrayerSchedule schedule(f.config, f.clock);
        schedule.RestartSchedule();
        ASSERT_EQ(schedule.nextIndex(), Thuhr);
        const ClockTime thuhr = schedule.nextPrayerTime();
        schedule.OnClockCheck(0);
        f.clock.set(thuhr + c.secondsAfterThuhr);  // asleep; the monotonic clock stood still
        const auto tick = schedule.OnClockCheck(30000);
        ASSERT_TRUE(tick);
        EXPECT_EQ(tick->arrival, c.arrival);
        ASSERT_EQ(tick->athan.has_value(), c.athan);
        if (c.athan) {
            EXPECT_EQ(tick->athan->prayerIndex, Thuhr);
        }
        EXPECT_EQ(schedule.nextIndex(), c.secondsAfterThuhr < 0 ? Thuhr : Asr);
    }
}

// ---------------------------------------------------------------------------------------------
// Progress ticks: the line and the bring-to-front rule.

TEST(ProgressTick, FirstTickSetsTheStepPeriodAndTheLineGrowsAColumnAStep) {
    const ScopedTz tz(Cairo.zone);
    TickFixture f(MakeLocal(2024, 1, 15, 10, 0, 0));
    PrayerSchedule schedule(f.config, f.clock);
    schedule.RestartSchedule();
    const std::uint32_t start = schedule.progressStart();
    ASSERT_GE(start, 5u);

    const ProgressTick first = schedule.OnProgressTick();
    ASSERT_TRUE(first.progressPeriodMs);
    EXPECT_EQ(*first.progressPeriodMs, schedule.progressStep() * 1000);
    EXPECT_TRUE(first.lineChanged);
    EXPECT_EQ(schedule.lineColumns(), static_cast<int>(start) - 4);
    for (int n = 1; n <= 3; ++n) {
        const ProgressTick tick = schedule.OnProgressTick();
        EXPECT_FALSE(tick.progressPeriodMs);
        EXPECT_TRUE(tick.lineChanged);
        EXPECT_EQ(schedule.lineColumns(), static_cast<int>(start) - 4 + n);
    }
    EXPECT_EQ(schedule.progressTicks(), 4u);
}

TEST(ProgressTick, NoLineUntilFiveStepsHaveElapsed) {
    const ScopedTz tz(Cairo.zone);
    TickFixture f(MakeLocal(2024, 1, 15, 12, 0, 0));
    PrayerSchedule schedule(f.config, f.clock);
    schedule.RestartSchedule();
    // Restart right at the previous prayer's minute.
    const DayTimes day = TimesOfLocalDay(f.config, f.clock.now());
    f.clock.set(MinuteMoment(day, schedule.nextIndex() - 1, 120));
    schedule.RestartSchedule();
    ASSERT_EQ(schedule.progressStart(), 0u);
    for (int tick = 0; tick < 5; ++tick) {
        const ProgressTick t = schedule.OnProgressTick();
        EXPECT_FALSE(t.lineChanged) << tick;
        EXPECT_EQ(schedule.lineColumns(), 0) << tick;
    }
    EXPECT_TRUE(schedule.OnProgressTick().lineChanged);
    EXPECT_EQ(schedule.lineColumns(), 1);
}

TEST(ProgressTick, BringToFrontRule) {
    const ScopedTz tz(Cairo.zone);
    struct Case {
        const char* name;
        int offset;
        bool shown, onTopReminder, alwaysOnTop, muted;
        std::optional<BarFront> firstTick;  // and no second raise
        bool shownAfter;
    };
    const Case cases[] = {
        {"offset 0", 0, false, true, true, false, BarFront{false, true}, true},
        {"offset 0, not on top", 0, false, true, false, false, BarFront{true, true}, true},
        {"offset 0, muted", 0, false, true, true, true, BarFront{false, false}, true},
        {"offset 0, shown before", 0, true, true, true, false, std::nullopt, true},
        {"offset 40", 40, true, true, true, false, std::nullopt, false},
        {"offset 40, never shown", 40, false, true, true, false, std::nullopt, false},
        {"offset 200", 200, false, true, false, false, BarFront{true, true}, true},
        {"reminder off", 0, false, false, true, false, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TickFixture f(MakeLocal(2024, 1, 15, 10, 0, 0));
        f.config.topReminderOffset = c.offset;
        f.config.topReminderShown = c.shown;
        f.config.barOnTopReminder = c.onTopReminder;
        f.config.muteAllSounds = c.muted;
        PrayerSchedule schedule(f.config, f.clock);
        schedule.setAlwaysOnTop(c.alwaysOnTop);
        schedule.RestartSchedule();
        const ProgressTick first = schedule.OnProgressTick();
        ASSERT_EQ(first.front.has_value(), c.firstTick.has_value());
        if (c.firstTick) {
            EXPECT_EQ(first.front->raise, c.firstTick->raise);
            EXPECT_EQ(first.front->chime, c.firstTick->chime);
        }
        for (int n = 0; n < 5; ++n) {
            EXPECT_FALSE(schedule.OnProgressTick().front);
        }
        EXPECT_EQ(f.config.topReminderShown != 0, c.shownAfter);
    }
}

// ---------------------------------------------------------------------------------------------
// Prayers after midnight, and every prayer of every day over a long run.

const Place Rovaniemi{"Europe/Helsinki", 66.5, 25.7, 2, WorldIslamicLeague, false};

// The clock text of a moment, written by hand: 12-hour hours (0 stays 0, 12 stays 12), "PM" from
// 13:00 and at 12 for Thuhr and later; read on the local clock as it stands at `readAt`.
std::string ClockOf(int index, ClockTime moment, std::optional<ClockTime> readAt = std::nullopt) {
    const CalendarFields f =
        BreakUtc(moment + BreakLocal(readAt.value_or(moment)).gmtOffsetSeconds);
    const bool pm = f.hour > 12 || (f.hour == 12 && index >= Thuhr);
    return StrPrintf("%d:%02d %s", f.hour > 12 ? f.hour - 12 : f.hour, f.minute, pm ? "PM" : "AM");
}

// 14 June 2024 at 66.5 N: Maghrib 25.21 h and Isha 25.24 h, after midnight. At 01:00 on 15 June
// they are still ahead; each gets its athan, then 15 June's Fajr.
TEST(AfterMidnight, YesterdaysMaghribAndIshaStillCome) {
    const ScopedTz tz(Rovaniemi.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime start = MakeLocal(2024, 6, 15, 1, 0, 0);
    Configure(config, Rovaniemi, start);
    config.topReminderShown = 1;
    BarSimulation sim(config, start);
    EXPECT_EQ(sim.schedule.title(), "Next: Maghrib at: 1:12 AM");
    EXPECT_EQ(sim.schedule.awaited().day, 14);
    sim.RunUntil(MakeLocal(2024, 6, 15, 2, 0, 0));
    ASSERT_EQ(sim.athans.size(), 3u);
    const int order[] = {Maghrib, Isha, Fajr};
    const char* at[] = {"1:12 AM", "1:14 AM", "1:19 AM"};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(sim.athans[k].request.prayerIndex, order[k]);
        EXPECT_EQ(ClockOf(order[k], sim.athans[k].at), at[k]);
    }
    EXPECT_EQ(sim.athans[0].titleAfter, "Next: Isha at: 1:14 AM");
    EXPECT_EQ(sim.athans[1].titleAfter, "Next: Fajr at: 1:19 AM");
    // Isha's window names the next day's Fajr, as the bar does.
    EXPECT_EQ(sim.athans[1].request.nextIndex, Fajr);
    EXPECT_EQ(FormatDecimalTime(Fajr, sim.athans[1].request.nextTime), "1:19 am");
    EXPECT_EQ(sim.missed, 0);
}

TEST(AfterMidnight, IshasWindowNamesTomorrowsFajr) {
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime start = MakeLocal(2024, 1, 15, 18, 0, 0);
    Configure(config, Cairo, start);
    config.topReminderShown = 1;
    BarSimulation sim(config, start);
    sim.RunUntil(MakeLocal(2024, 1, 15, 23, 0, 0));
    ASSERT_FALSE(sim.athans.empty());
    const AthanRequest& isha = sim.athans.back().request;
    ASSERT_EQ(isha.prayerIndex, Isha);
    EXPECT_EQ(isha.nextIndex, Fajr);
    const DecimalHours tomorrow =
        ComputePrayerTime(Fajr, MakeLocal(2024, 1, 16, 12, 0, 0), config.prayerSettings());
    const DecimalHours today = ComputePrayerTime(Fajr, start, config.prayerSettings());
    ASSERT_NE(FormatDecimalTime(Fajr, tomorrow), FormatDecimalTime(Fajr, today));
    EXPECT_EQ(isha.nextTime, tomorrow);
    EXPECT_EQ(isha.prayerTime, ComputePrayerTime(Isha, start, config.prayerSettings()));
}

// Four hundred days on the running timers, across both changes of the clocks: every prayer but
// Shrook gets exactly one athan, at its minute, in order, and after each the title names the
// prayer after it with its clock time. The expectations come from the standard-time prayer times
// placed in UTC, independently of the schedule's local-time arithmetic.
void CheckLongRun(const Place& place) {
    const ScopedTz tz(place.zone);
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    const ClockTime from = MakeLocal(2024, 1, 1, 12, 0, 0);
    const ClockTime until = MakeLocal(2025, 2, 4, 12, 0, 0);
    Configure(config, place, from);
    config.topReminderShown = 1;

    struct Event {
        int index;
        ClockTime moment;
    };
    // A prayer's time is read on the clock in force when it comes: computed with daylight saving
    // when the clock keeps it then, and placed in UTC an hour earlier.
    std::vector<Event> events;
    const int offset = config.prayerSettings().gmtOffsetMinutes;
    for (int d = 0; d <= 402; ++d) {
        const ClockTime noon = MakeLocal(2024, 1, 1 + d, 12, 0, 0);
        const DayTimes day = TimesOfLocalDay(config, noon);
        PrayerSettings summer = config.prayerSettings();
        summer.daylightSavingActive = true;
        const auto summerTimes = ComputePrayerTimes(noon, summer);
        for (int i = 0; i < 6; ++i) {
            ClockTime at = MinuteMoment(day, i, offset);
            if (BreakLocal(at).isDst == 1) {
                at = day.utcMidnight + WholeMinutes(summerTimes[i]) * 60 - offset * 60 - 3600;
            }
            if (at > from && at <= until) {
                events.push_back({i, at});
            }
        }
    }
    for (std::size_t k = 1; k < events.size(); ++k) {
        ASSERT_LE(events[k - 1].moment, events[k].moment) << "prayers out of order";
    }

    const DayRun run = RunDays(config, from, until);
    EXPECT_EQ(run.missed, 0);
    std::size_t k = 0;
    std::size_t athans = 0;
    for (std::size_t e = 0; e + 1 < events.size(); ++e) {
        if (events[e].index == Shrook) {
            continue;
        }
        SCOPED_TRACE(Describe(events[e].moment) + " " + PrayerNames[events[e].index]);
        ++athans;
        ASSERT_LT(k, run.athans.size());
        const BarSimulation::Athan& a = run.athans[k++];
        ASSERT_EQ(a.request.prayerIndex, events[e].index);
        ASSERT_EQ(a.at, events[e].moment);
        const Event& next = events[e + 1];
        ASSERT_EQ(a.titleAfter, std::string("Next: ") + PrayerNames[next.index] +
                                    " at: " + ClockOf(next.index, next.moment, a.at));
        ASSERT_EQ(a.request.nextIndex, next.index);
    }
    // The last prayer of the run may or may not have come; none beyond it.
    EXPECT_GE(run.athans.size(), athans);
    EXPECT_LE(run.athans.size(), athans + 1);
    EXPECT_GT(athans, 400u * 4);
}

TEST(LongRun, KeepsTheScheduleAtHighLatitudes) {
    const struct {
        const char* name;
        Place place;
    } cases[] = {
        {"AtTheArcticCircleEuropeHelsinki", Rovaniemi},
        {"UmUlQuraAtTheArcticCircle", {"Europe/Helsinki", 66.5, 25.7, 2, UmmAlQura, false}},
        {"OsloEuropeOslo", {"Europe/Oslo", 59.9, 10.75, 1, EgyptianSurvey, false}},
        {"SouthernSummerAt64South", {"Antarctica/McMurdo", -64.0, 166.0, 12, Isna, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CheckLongRun(c.place);
    }
}

// ---------------------------------------------------------------------------------------------
// Waking from a suspend, and times before midnight.

// The machine sleeps through one prayer and wakes 1-59 s before or after the next one's minute,
// at four places; the clock check or the late next-prayer tick, whichever looks first, finds it.
// The prayer asleep stays silent; the next one is announced once when its minute began while the
// machine was awake or less than a minute before that first look, and never otherwise; the one
// after it comes on time.
TEST(WakeUp, EachPrayerIsAnnouncedOnceOrWhollyInsideTheSuspendNotAtAll) {
    struct Case {
        Place place;
        int year, month, day;
        int asleep;  // the prayer whose minute falls inside the suspend
    };
    const Case cases[] = {
        {{"America/Anchorage", 64.8378, -147.7164, -9, Isna, false}, 2026, 1, 6, Shrook},
        {Cairo, 2024, 1, 15, Asr},
        {{"Australia/Sydney", -33.8688, 151.2093, 10, WorldIslamicLeague, false},
         2026,
         1,
         6,
         Shrook},
        {{"America/New_York", 40.7128, -74.006, -5, Isna, false}, 2026, 1, 6, Thuhr},
    };
    const std::int64_t wakeOffsets[] = {-59, -30, -29, -10, -1, 1, 10, 29, 30, 31, 59};
    const std::int64_t sleepLeads[] = {5, 95};  // the suspend begins this long before `asleep`
    testing::RecordingMessageBoxes boxes;
    for (const Case& c : cases) {
        const ScopedTz tz(c.place.zone);
        const ClockTime noon = MakeLocal(c.year, c.month, c.day, 12, 0, 0);
        CConfigFile probe(boxes);
        Configure(probe, c.place, noon);
        const DayTimes day = TimesOfLocalDay(probe, noon);
        const int offset = c.place.gmtOffsetHours * 60;
        const int woken = c.asleep + 1;
        const ClockTime asleepAt = MinuteMoment(day, c.asleep, offset);
        const ClockTime wokenAt = MinuteMoment(day, woken, offset);
        const ClockTime afterAt = MinuteMoment(day, woken + 1, offset);
        for (const std::int64_t wake : wakeOffsets) {
            for (const std::int64_t lead : sleepLeads) {
                CConfigFile config(boxes);
                Configure(config, c.place, noon);
                config.topReminderShown = 1;
                BarSimulation sim(config, asleepAt - 3600);
                ASSERT_EQ(PrayerNames[static_cast<std::size_t>(sim.schedule.nextIndex())],
                          PrayerNames[static_cast<std::size_t>(c.asleep)]);
                sim.RunUntil(asleepAt - lead);
                sim.JumpWallClock(wokenAt + wake - sim.now());
                const ClockTime look = sim.NextLook();
                SCOPED_TRACE(std::string(c.place.zone) + " asleep through " +
                             PrayerNames[static_cast<std::size_t>(c.asleep)] + ", woken " +
                             Describe(sim.now()) + ", first look " + Describe(look));
                sim.RunUntil(afterAt + 120);
                std::vector<std::pair<int, ClockTime>> seen;
                for (const auto& a : sim.athans) {
                    seen.emplace_back(a.request.prayerIndex, a.at);
                }
                std::vector<std::pair<int, ClockTime>> expected;
                if (look < wokenAt + 60) {
                    expected.emplace_back(woken, std::max(look, wokenAt));
                }
                expected.emplace_back(woken + 1, afterAt);
                EXPECT_EQ(seen, expected);
            }
        }
    }
}

// At 70.37 N, 31.11 E Fajr can come minutes before midnight while it belongs to the next date
// (a negative time): on every such day of a year, under each convention, the title names the very
// minute its athan comes.
TEST(WakeUp, TitleAndAthanShareTheMinuteOfTimesBeforeMidnight) {
    const ScopedTz tz("Europe/Oslo");
    testing::RecordingMessageBoxes boxes;
    for (const int way : {EgyptianSurvey, UmmAlQura, Isna, WorldIslamicLeague}) {
        CConfigFile config(boxes);
        Configure(config, {"Europe/Oslo", 70.37, 31.11, 1, way, false},
                  MakeLocal(2026, 1, 1, 12, 0, 0));
        int outside = 0;
        for (int d = 0; d < 365; ++d) {
            const CalendarFields date = BreakLocal(MakeLocal(2026, 1, 1 + d, 12, 0, 0));
            PrayerSettings settings = config.prayerSettings();
            settings.daylightSavingActive = date.isDst == 1;
            const auto times = ComputePrayerTimesOnDate(date.year, date.month, date.day, settings);
            for (int i = Fajr; i <= Isha; ++i) {
                const DecimalHours t = times[static_cast<std::size_t>(i)];
                if (t >= 0 && t < 24) {
                    continue;
                }
                ++outside;
                const PrayerEvent event{date.year, date.month, date.day, i, t};
                const ClockTime minute = PrayerMinute(event, settings.daylightSavingActive);
                SCOPED_TRACE(StrPrintf("way %d, %s %.4f h, athan %s", way, PrayerNames[i], t,
                                       Describe(minute).c_str()));
                EXPECT_EQ(BreakLocal(minute).second, 0);
                EXPECT_LE(std::abs(static_cast<double>(minute) -
                                   (static_cast<double>(
                                        MakeLocalUnder(settings.daylightSavingActive, date.year,
                                                       date.month, date.day, 0, 0, 0)) +
                                    t * 3600)),
                          60.0);
                EXPECT_EQ(ScheduleTitle(i, t),
                          std::string("Next: ") + PrayerNames[i] + " at: " + ClockOf(i, minute));
            }
        }
        EXPECT_GT(outside, 10) << "way " << way;
    }
}

// ---------------------------------------------------------------------------------------------
// Notices at the prayers and warnings before them.

// The warnings a run from `from` to `to` must give: each prayer but Shrook, `lead` minutes before
// its minute, worked out in UTC from the standard-time times.
std::vector<BarSimulation::Notice> ExpectedWarnings(const CConfigFile& config, ClockTime from,
                                                    ClockTime to, int lead) {
    std::vector<BarSimulation::Notice> out;
    const int offset = config.prayerSettings().gmtOffsetMinutes;
    for (ClockTime noon = from - 86400; noon < to + 86400; noon += 86400) {
        const CalendarFields f = BreakLocal(noon);
        const DayTimes day = TimesOfLocalDay(config, MakeLocal(f.year, f.month, f.day, 12, 0, 0));
        for (int i = Fajr; i <= Isha; ++i) {
            const ClockTime at = MinuteMoment(day, i, offset) - lead * 60;
            if (i != Shrook && at > from && at <= to) {
                out.push_back({at, {i, 0.0, lead}});
            }
        }
    }
    return out;
}

// The warnings with their times left out: the prayer's time is checked by the minute it comes.
std::vector<BarSimulation::Notice> WithoutTimes(std::vector<BarSimulation::Notice> notices) {
    for (auto& n : notices) {
        n.notice.prayerTime = 0.0;
    }
    return notices;
}

TEST(PrayerWarning, ComesOnceAtItsMinuteBeforeEachPrayerAcrossTheClocksChanges) {
    struct Case {
        Place place;
        int year, month, day;  // the day of the change of the clocks (or an ordinary one)
        int lead;
    };
    const Place newYork{"America/New_York", 40.7128, -74.006, -5, Isna, false};
    const Place sydney{"Australia/Sydney", -33.8688, 151.2093, 10, WorldIslamicLeague, false};
    const Case cases[] = {
        {London, 2026, 3, 29, 10},  {London, 2026, 10, 25, 15}, {newYork, 2026, 3, 8, 5},
        {newYork, 2026, 11, 1, 60}, {sydney, 2026, 4, 5, 20},   {Cairo, 2024, 1, 15, 30},
        {Kolkata, 2024, 6, 1, 45},
    };
    testing::RecordingMessageBoxes boxes;
    for (const Case& c : cases) {
        const ScopedTz tz(c.place.zone);
        const ClockTime from = MakeLocal(c.year, c.month, c.day - 1, 12, 0, 0);
        const ClockTime to = MakeLocal(c.year, c.month, c.day + 1, 12, 0, 0);
        CConfigFile config(boxes);
        Configure(config, c.place, from);
        config.topReminderShown = 1;
        SCOPED_TRACE(StrPrintf("%s %04d-%02d-%02d, %d minutes before", c.place.zone, c.year,
                               c.month, c.day, c.lead));
        BarSimulation sim(config, from, {std::nullopt, c.lead});
        sim.RunUntil(to);
        EXPECT_EQ(WithoutTimes(sim.warnings), ExpectedWarnings(config, from, to, c.lead));
    }
}

// The warning before Asr in Cairo (15 January 2024, 10 minutes before) with the clock set while
// it is awaited: a warning minute that passes unseen stays silent, one found within its minute is
// given at that first look, and none is given twice.
TEST(PrayerWarning, ClockJumpsAndSuspendNeverGiveItTwiceNorLate) {
    struct Case {
        const char* what;
        std::int64_t jumpAt;  // seconds from the warning minute, when the clock is set
        std::int64_t jumpBy;
        bool warned;  // Asr's warning is given: on time, or at the first look after the jump
                      // when that look comes within its minute
    };
    const Case cases[] = {
        {"set forward past its minute", -120, 300, false},
        {"woken an hour later", -60, 3600, false},
        {"woken 5 s into its minute", -60, 65, true},
        {"woken 40 s into its minute, first look 70 s in", -60, 100, false},
        {"set back after it was given", 120, -900, true},
        {"set back a day after it was given", 120, -86400, true},
        {"set forward before its minute", -1800, 600, true},
    };
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    const ClockTime noon = MakeLocal(2024, 1, 15, 12, 0, 0);
    CConfigFile probe(boxes);
    Configure(probe, Cairo, noon);
    const ClockTime asrWarning =
        MinuteMoment(TimesOfLocalDay(probe, noon), Asr, Cairo.gmtOffsetHours * 60) - 600;
    for (const Case& c : cases) {
        CConfigFile config(boxes);
        Configure(config, Cairo, noon);
        config.topReminderShown = 1;
        BarSimulation sim(config, asrWarning - 7200, {std::nullopt, 10});
        sim.RunUntil(asrWarning + c.jumpAt);
        sim.JumpWallClock(c.jumpBy);
        const ClockTime look = sim.NextLook();
        SCOPED_TRACE(std::string(c.what) + ", first look " + Describe(look));
        sim.RunUntil(asrWarning + 4 * 3600);
        std::vector<ClockTime> asr;
        for (const auto& w : sim.warnings) {
            if (w.notice.prayerIndex == Asr) {
                asr.push_back(w.at);
            }
        }
        const bool lateLook = c.jumpAt < 0 && c.jumpAt + c.jumpBy >= 0;
        if (lateLook) {
            // The rule the case's expectation is written for.
            EXPECT_EQ(c.warned, look < asrWarning + 60);
        }
        const std::vector<ClockTime> expected =
            c.warned ? std::vector<ClockTime>{lateLook ? look : asrWarning}
                     : std::vector<ClockTime>{};
        EXPECT_EQ(asr, expected);
        // Maghrib's warning comes on time after every jump.
        EXPECT_EQ(std::count_if(sim.warnings.begin(), sim.warnings.end(),
                                [](const auto& w) { return w.notice.prayerIndex == Maghrib; }),
                  1);
    }
}

TEST(PrayerNotice, FollowsTheAthanWindowUnlessChosenAndNeverWarnsByDefault) {
    struct Case {
        std::optional<bool> atPrayer;
        bool athanWindow;
        bool noticed;
    };
    const ScopedTz tz(Cairo.zone);
    testing::RecordingMessageBoxes boxes;
    const ClockTime from = MakeLocal(2024, 1, 15, 0, 0, 0);
    for (const Case& c : {Case{std::nullopt, true, false}, Case{std::nullopt, false, true},
                          Case{true, true, true}, Case{false, false, false}}) {
        SCOPED_TRACE(StrPrintf("choice %d, athan window %d", c.atPrayer ? int{*c.atPrayer} : -1,
                               int{c.athanWindow}));
        CConfigFile config(boxes);
        Configure(config, Cairo, from);
        config.topReminderShown = 1;
        config.showAthanAlert = c.athanWindow ? 1 : 0;
        BarSimulation sim(config, from, {c.atPrayer, 0});
        sim.RunUntil(from + 86400);
        EXPECT_TRUE(sim.warnings.empty());
        std::vector<int> noticed;
        for (const auto& n : sim.notices) {
            noticed.push_back(n.notice.prayerIndex);
            EXPECT_EQ(n.notice.minutesBefore, 0);
        }
        const std::vector<int> expected =
            c.noticed ? std::vector<int>{Fajr, Thuhr, Asr, Maghrib, Isha} : std::vector<int>{};
        EXPECT_EQ(noticed, expected);
        EXPECT_EQ(sim.athans.size(), c.athanWindow ? 5U : 0U);
    }
}

TEST(NotificationChoices, ReadFromTheSettingsWithTheirDefaults) {
    struct Case {
        const char* text;
        NotificationChoices read;
    };
    for (const Case& c : {
             Case{"", {std::nullopt, 0}},
             Case{"[notifications]\natPrayer=true\nwarningMinutes=15\n", {true, 15}},
             Case{"[notifications]\natPrayer=false\nwarningMinutes=60\n", {false, 60}},
             Case{"[notifications]\natPrayer=maybe\nwarningMinutes=4\n", {std::nullopt, 0}},
             Case{"[notifications]\nwarningMinutes=61\n", {std::nullopt, 0}},
             Case{"[notifications]\nwarningMinutes=5\n", {std::nullopt, 5}},
         }) {
        SCOPED_TRACE(c.text);
        const std::string path = ::testing::TempDir() + "/notification_choices.ini";
        {
            std::FILE* f = std::fopen(path.c_str(), "w");
            ASSERT_NE(f, nullptr);
            std::fputs(c.text, f);
            std::fclose(f);
        }
        SettingsFile settings(path);
        EXPECT_EQ(ReadNotificationChoices(settings), c.read);
        // What is written reads back the same.
        WriteNotificationChoices(settings, c.read);
        ASSERT_TRUE(settings.Save());
        EXPECT_EQ(ReadNotificationChoices(SettingsFile(path)), c.read);
    }
}

}  // namespace
}  // namespace salvenor

namespace salvenor {
namespace {

// The worked example's day (Cairo, 21 March 2007, two hours ahead of GMT all year): 4:31 am,
// 5:58 am, 12:02 pm, 3:29 pm, 6:06 pm and 7:21 pm.
TEST(Glance, TodaysSixTimesAndTheMinutesLeftToThePrayerAwaited) {
    const ScopedTz tz("EET-2");
    const struct {
        int hour, minute, second;
        int next;
        std::int64_t minutesLeft;
    } cases[] = {
        {11, 0, 0, Thuhr, 62},      // 1 h 02 min
        {12, 1, 30, Thuhr, 1},      // 30 seconds are a minute still to wait
        {12, 2, 10, Asr, 207},      // Thuhr's minute counts as passed: 3 h 26 min 50 s
        {19, 30, 0, Fajr, 9 * 60},  // tomorrow's Fajr, past midnight
        {4, 30, 0, Fajr, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
        testing::RecordingMessageBoxes boxes;
        CConfigFile config{boxes};
        ApplyFirstRunDefaults(config);
        testing::SetCairoExample(config);
        config.calculationWay = 0;
        config.followWindowsZone = 0;
        FakeClock clock;
        clock.set(MakeLocal(2007, 3, 21, c.hour, c.minute, c.second));
        PrayerSchedule schedule(config, clock);
        schedule.RestartSchedule();
        const std::optional<TodayAtAGlance> glance = schedule.Glance();
        ASSERT_TRUE(glance.has_value());
        EXPECT_EQ(glance->times, (std::array<std::string, 6>{"4:31 am", "5:58 am", "12:02 pm",
                                                             "3:29 pm", "6:06 pm", "7:21 pm"}));
        EXPECT_EQ(glance->nextIndex, c.next);
        if (c.next != Fajr || c.hour < 12) {
            EXPECT_EQ(glance->minutesLeft, c.minutesLeft);
        } else {
            // Tomorrow's Fajr comes a minute or so earlier than today's: between 8 h 59 and 9 h.
            EXPECT_GE(glance->minutesLeft, 8 * 60 + 59);
            EXPECT_LE(glance->minutesLeft, 9 * 60 + 1);
        }
    }
}

TEST(Glance, SaysNothingWithoutAPlace) {
    testing::RecordingMessageBoxes boxes;
    CConfigFile config{boxes};
    FakeClock clock;
    clock.set(1'700'000'000);
    PrayerSchedule schedule(config, clock);
    schedule.RestartSchedule();
    EXPECT_FALSE(schedule.Glance().has_value());
}

}  // namespace
}  // namespace salvenor

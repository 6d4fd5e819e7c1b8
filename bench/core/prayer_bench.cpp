// Speed of the six daily times: one day and 100,000 consecutive days, ours (the solar table)
// beside libitl's getPrayerTimes (a full solar ephemeris) doing the same work as the baseline.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "core/local_time.h"
#include "core/prayer_times.h"
#include "itl/prayer.h"
#include "tests/support/cairo.h"
#include "tests/support/time_zone.h"

namespace {

using salvenor::PrayerSettings;

constexpr int Days = 100000;
constexpr double Latitude = salvenor::testing::CairoLatitude;
constexpr double Longitude = salvenor::testing::CairoLongitude;
constexpr int GmtHours = 2;

// Our day is given as a clock time, so its local break-down (the C library's) is part of our
// work. Two zones at Cairo's standard offset of two hours: Johannesburg keeps no daylight saving;
// Cairo does, and for dates past 2037 (most of a 100,000-day run) glibc re-reads the zone's
// daylight-saving rule on every break-down, which costs more than our whole computation.
const char* const Zones[] = {"Africa/Johannesburg", "Africa/Cairo"};

salvenor::testing::ScopedTimeZone UseZone(const benchmark::State& state) {
    return salvenor::testing::ScopedTimeZone(Zones[state.range(0)]);
}

PrayerSettings OurSettings() {
    PrayerSettings s;
    s.latitude = Latitude;
    s.longitude = Longitude;
    s.gmtOffsetMinutes = GmtHours * 60;
    s.calculationWay = 0;  // 19.5 / 17.0
    return s;
}

// Every calculation option in use: a convention with a Maghrib angle and its own minutes, the
// Hanafi shadow, the user's minutes, the angle-based high-latitude rule, a Hijri shift and the
// sun computed for the date.
PrayerSettings AllOptionsSettings() {
    PrayerSettings s = OurSettings();
    s.calculation.convention = "tehran";
    s.calculation.asr = salvenor::AsrShadow::Hanafi;
    s.calculation.adjustMinutes = {1, -1, 2, -2, 3, -3};
    s.calculation.highLatitude = salvenor::HighLatitudeRule::AngleBased;
    s.calculation.sun = salvenor::SunModel::Computed;
    s.calculation.hijriAdjustDays = 1;
    return s;
}

struct ItlSetup {
    Location location{};
    Method method{};
};

ItlSetup MakeItlSetup() {
    ItlSetup itl;
    itl.location.degreeLat = Latitude;
    itl.location.degreeLong = Longitude;
    itl.location.gmtDiff = GmtHours;
    itl.location.dst = 0;
    itl.location.seaLevel = 0;
    itl.location.pressure = 1010;
    itl.location.temperature = 10;
    getMethod(0, &itl.method);  // defaults, then our angles
    itl.method.fajrAng = 19.5;
    itl.method.ishaaAng = 17.0;
    itl.method.mathhab = 1;
    return itl;
}

void NextDay(Date& date) {
    ++date.day;
    if (!salvenor::ClockDateExists(date.year, date.month, date.day)) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
}

double OurDays(std::int64_t start, const PrayerSettings& settings) {
    double sum = 0;
    std::int64_t when = start;
    for (int i = 0; i < Days; ++i, when += 86400) {
        const auto times = salvenor::ComputePrayerTimes(when, settings);
        sum += times[0] + times[5];
    }
    return sum;
}

// The same days given as dates, as libitl takes them: no local-time break-down on our side.
double OurDaysByDate(const PrayerSettings& settings) {
    double sum = 0;
    Date date{1, 1, 2000};
    for (int i = 0; i < Days; ++i, NextDay(date)) {
        const auto times =
            salvenor::ComputePrayerTimesOnDate(date.year, date.month, date.day, settings);
        sum += times[0] + times[5];
    }
    return sum;
}

double ItlDays(const ItlSetup& itl) {
    double sum = 0;
    Date date{1, 1, 2000};
    Prayer prayers[6];
    for (int i = 0; i < Days; ++i, NextDay(date)) {
        getPrayerTimes(&itl.location, &itl.method, &date, prayers);
        sum += prayers[0].minute + prayers[5].minute;
    }
    return sum;
}

void BM_OneDay_Ours(benchmark::State& state) {
    const auto zone = UseZone(state);
    const PrayerSettings settings = OurSettings();
    const std::int64_t when = salvenor::MakeLocal(2007, 3, 21, 12, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(salvenor::ComputePrayerTimes(when, settings));
    }
    state.counters["days_per_s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_OneDay_Ours)->ArgName("cairo_zone")->Arg(0)->Arg(1);

void BM_OneDay_AllOptions(benchmark::State& state) {
    const PrayerSettings settings = AllOptionsSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(salvenor::ComputePrayerTimesOnDate(2007, 3, 21, settings));
    }
    state.counters["days_per_s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_OneDay_AllOptions);

void BM_OneDay_Libitl(benchmark::State& state) {
    const ItlSetup itl = MakeItlSetup();
    const Date date{21, 3, 2007};
    Prayer prayers[6];
    for (auto _ : state) {
        getPrayerTimes(&itl.location, &itl.method, &date, prayers);
        benchmark::DoNotOptimize(prayers);
    }
    state.counters["days_per_s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_OneDay_Libitl);

void BM_100kDays_Ours(benchmark::State& state) {
    const auto zone = UseZone(state);
    const PrayerSettings settings = OurSettings();
    const std::int64_t start = salvenor::MakeLocal(2000, 1, 1, 12, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(OurDays(start, settings));
    }
    state.counters["days_per_s"] =
        benchmark::Counter(Days, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_100kDays_Ours)->ArgName("cairo_zone")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_100kDays_Libitl(benchmark::State& state) {
    const ItlSetup itl = MakeItlSetup();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ItlDays(itl));
    }
    state.counters["days_per_s"] =
        benchmark::Counter(Days, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_100kDays_Libitl)->Unit(benchmark::kMillisecond);

// This thread's processor time in seconds: the machine may be shared, and wall time would count
// other programs' turns against whichever side they interrupt.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Both sides in each iteration, timed separately: the counters give each side's days per
// second and their ratio (ours / libitl; the target is 20 or more).
template <typename OurSide>
void RunRatio(benchmark::State& state, OurSide ourDays) {
    const ItlSetup itl = MakeItlSetup();
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        const double t0 = ThreadSeconds();
        benchmark::DoNotOptimize(ourDays());
        const double t1 = ThreadSeconds();
        benchmark::DoNotOptimize(ItlDays(itl));
        const double t2 = ThreadSeconds();
        ours += t1 - t0;
        theirs += t2 - t1;
    }
    const double days = static_cast<double>(Days) * static_cast<double>(state.iterations());
    state.counters["ours_days_per_s"] = days / ours;
    state.counters["libitl_days_per_s"] = days / theirs;
    state.counters["ratio"] = theirs / ours;
}

// Our days given as clock times, so the C library's local break-down is part of our side.
void BM_100kDays_Ratio(benchmark::State& state) {
    const auto zone = UseZone(state);
    const PrayerSettings settings = OurSettings();
    const std::int64_t start = salvenor::MakeLocal(2000, 1, 1, 12, 0, 0);
    RunRatio(state, [&] { return OurDays(start, settings); });
}
BENCHMARK(BM_100kDays_Ratio)->ArgName("cairo_zone")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Like for like with libitl: both sides take each day as a calendar date.
void BM_100kDays_Ratio_ByDate(benchmark::State& state) {
    const PrayerSettings settings = OurSettings();
    RunRatio(state, [&] { return OurDaysByDate(settings); });
}
BENCHMARK(BM_100kDays_Ratio_ByDate)->Unit(benchmark::kMillisecond);

// Every option and the computed sun against libitl, both by date (the target: a ratio of 5 or
// more, at most a fifth of libitl's time).
void BM_100kDays_Ratio_AllOptions(benchmark::State& state) {
    const PrayerSettings settings = AllOptionsSettings();
    RunRatio(state, [&] { return OurDaysByDate(settings); });
}
BENCHMARK(BM_100kDays_Ratio_AllOptions)->Unit(benchmark::kMillisecond);

}  // namespace

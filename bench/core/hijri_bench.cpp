// Speed of the Hijri conversions, both directions, beside libitl's arithmetic (h_date, g_date) and
// Umm al-Qura (G2H, H2G) conversions over the same dates, with the ratio measured in one run.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/hijri.h"

extern "C" {
#include <itl/hijri.h>
}

namespace {

struct Ymd {
    int day, month, year;
};

// 1 January 2000 onwards, 4,000 consecutive days; Umm al-Qura's table covers them all.
const std::vector<Ymd>& GregorianDays() {
    static const std::vector<Ymd> days = [] {
        std::vector<Ymd> out;
        constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int d = 1, m = 1, y = 2000;
        for (int i = 0; i < 4000; ++i) {
            out.push_back({d, m, y});
            const int length =
                (m == 2 && y % 4 == 0) ? 29 : kLengths[static_cast<std::size_t>(m - 1)];
            if (++d > length) {
                d = 1;
                if (++m > 12) {
                    m = 1;
                    ++y;
                }
            }
        }
        return out;
    }();
    return days;
}

// The Hijri dates 1..29 of every month of 1420..1430.
const std::vector<Ymd>& HijriDays() {
    static const std::vector<Ymd> days = [] {
        std::vector<Ymd> out;
        for (int y = 1420; y <= 1430; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 29; ++d) {
                    out.push_back({d, m, y});
                }
            }
        }
        return out;
    }();
    return days;
}

void OursToHijri(const std::vector<Ymd>& days) {
    for (const Ymd& g : days) {
        benchmark::DoNotOptimize(salvenor::GregorianToHijri(g.day, g.month, g.year));
    }
}

void OursToGregorian(const std::vector<Ymd>& days) {
    for (const Ymd& h : days) {
        benchmark::DoNotOptimize(salvenor::HijriToGregorian({h.day, h.month, h.year}));
    }
}

// h_date and g_date allocate the day's event list, which the caller frees.
void ItlToHijri(const std::vector<Ymd>& days) {
    for (const Ymd& g : days) {
        sDate out{};
        benchmark::DoNotOptimize(h_date(&out, g.day, g.month, g.year));
        benchmark::DoNotOptimize(out.day);
        std::free(out.event);
    }
}

void ItlToGregorian(const std::vector<Ymd>& days) {
    for (const Ymd& h : days) {
        sDate out{};
        benchmark::DoNotOptimize(g_date(&out, h.day, h.month, h.year));
        benchmark::DoNotOptimize(out.day);
        std::free(out.event);
    }
}

// G2H and H2G take the day first, as libitl's example calls them, whatever the prototype's
// parameter names say; given the year first they return wrong dates, slowly.
void UmmAlQuraToHijri(const std::vector<Ymd>& days) {
    for (const Ymd& g : days) {
        sDate out{};
        benchmark::DoNotOptimize(G2H(&out, g.day, g.month, g.year));
        benchmark::DoNotOptimize(out.day);
    }
}

void UmmAlQuraToGregorian(const std::vector<Ymd>& days) {
    for (const Ymd& h : days) {
        sDate out{};
        benchmark::DoNotOptimize(H2G(&out, h.day, h.month, h.year));
        benchmark::DoNotOptimize(out.day);
    }
}

using Batch = void (*)(const std::vector<Ymd>&);

// One batch of `work` per iteration; reports conversions per second.
void Run(benchmark::State& state, Batch work, const std::vector<Ymd>& days) {
    for (auto _ : state) {
        work(days);
    }
    state.counters["conversions/s"] = benchmark::Counter(
        static_cast<double>(days.size()), benchmark::Counter::kIsIterationInvariantRate);
}

// This thread's CPU time in seconds: the machine may be shared, and time spent waiting for a
// core must not count against either side.
double ThreadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Both batches alternate inside one benchmark so that they share the machine's state; the ratio
// is libitl's time over ours (how many times faster ours is).
void Compare(benchmark::State& state, Batch ours, Batch theirs, const std::vector<Ymd>& days) {
    double oursSeconds = 0.0;
    double theirsSeconds = 0.0;
    for (auto _ : state) {
        const double t0 = ThreadSeconds();
        ours(days);
        const double t1 = ThreadSeconds();
        theirs(days);
        const double t2 = ThreadSeconds();
        oursSeconds += t1 - t0;
        theirsSeconds += t2 - t1;
    }
    const double n = static_cast<double>(days.size()) * static_cast<double>(state.iterations());
    state.counters["ours_ns"] = oursSeconds * 1e9 / n;
    state.counters["libitl_ns"] = theirsSeconds * 1e9 / n;
    state.counters["ratio"] = oursSeconds > 0 ? theirsSeconds / oursSeconds : 0.0;
}

}  // namespace

BENCHMARK_CAPTURE(Run, GregorianToHijri, OursToHijri, GregorianDays());
BENCHMARK_CAPTURE(Run, HijriToGregorian, OursToGregorian, HijriDays());
BENCHMARK_CAPTURE(Run, libitl_h_date, ItlToHijri, GregorianDays());
BENCHMARK_CAPTURE(Run, libitl_g_date, ItlToGregorian, HijriDays());
BENCHMARK_CAPTURE(Run, libitl_G2H, UmmAlQuraToHijri, GregorianDays());
BENCHMARK_CAPTURE(Run, libitl_H2G, UmmAlQuraToGregorian, HijriDays());
BENCHMARK_CAPTURE(Compare, ToHijri_vs_h_date, OursToHijri, ItlToHijri, GregorianDays());
BENCHMARK_CAPTURE(Compare, ToGregorian_vs_g_date, OursToGregorian, ItlToGregorian, HijriDays());
BENCHMARK_CAPTURE(Compare, ToHijri_vs_G2H, OursToHijri, UmmAlQuraToHijri, GregorianDays());
BENCHMARK_CAPTURE(Compare, ToGregorian_vs_H2G, OursToGregorian, UmmAlQuraToGregorian, HijriDays());

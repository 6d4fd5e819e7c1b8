// How long one page build takes with the shipped templates in a scratch installation folder:
// a Hijri and a Gregorian month page (cell joining, filling, trailer, four files written) and
// today's page (the day's texts and the template filled).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "config/config_file.h"
#include "pages/month_page.h"
#include "pages/today_page.h"
#include "platform/message_boxes.h"
#include "tests/support/cairo.h"
#include "tests/support/installation_folder.h"

namespace salvenor {
namespace {

// The shipped page templates in a scratch installation folder.
class ScratchInstallation : public testing::InstallationFolder {
  public:
    ScratchInstallation() { copyCalendarFrom(SALVENOR_SOURCE_DATA_DIR); }
};

void MonthPage(benchmark::State& state, CalendarKind kind, int year, int month) {
    const ScratchInstallation folder;
    SilentMessageBoxes boxes;
    for (auto _ : state) {
        if (!BuildMonthPage(kind, year, month, folder.path(), boxes)) {
            state.SkipWithError("the page build reported a failure");
            break;
        }
    }
}

void BM_HijriMonthPage(benchmark::State& state) {
    MonthPage(state, CalendarKind::Hijri, 1427, 9);  // Ramadan 1427: every occasion colour
}
BENCHMARK(BM_HijriMonthPage)->Unit(benchmark::kMicrosecond);

void BM_GregorianMonthPage(benchmark::State& state) {
    MonthPage(state, CalendarKind::Gregorian, 2006, 10);
}
BENCHMARK(BM_GregorianMonthPage)->Unit(benchmark::kMicrosecond);

void BM_TodayPage(benchmark::State& state) {
    const ScratchInstallation folder;
    SilentMessageBoxes boxes;
    CConfigFile config(boxes);
    testing::SetCairoExample(config);
    const std::int64_t now = 1174474800;  // 21 March 2007, 11:00 UTC
    for (auto _ : state) {
        const TodayPageTexts texts = GatherTodayTexts(now, config, config.prayerSettings());
        if (!BuildTodayPage(texts, folder.path(), boxes)) {
            state.SkipWithError("the page build reported a failure");
            break;
        }
    }
}
BENCHMARK(BM_TodayPage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace salvenor

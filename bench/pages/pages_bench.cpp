// How long one page build takes with the shipped templates in a scratch installation folder:
// a Hijri and a Gregorian month page (cell joining, filling, trailer, four files written) and
// today's page (the day's texts and the template filled).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "config/config_file.h"
#include "pages/month_page.h"
#include "pages/today_page.h"
#include "platform/message_boxes.h"

namespace salvenor {
namespace {

class ScratchInstallation {
  public:
    ScratchInstallation() {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() /
               ("salvenor-bench-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
        std::filesystem::copy(std::filesystem::path(SALVENOR_SOURCE_DATA_DIR) / "Calendar",
                              dir_ / "Calendar", std::filesystem::copy_options::recursive);
        for (const char* sub :
             {"Calendar/TEMP", "Calendar/Output", "Calendar/SalaTimeDlg/HTML/tmp"}) {
            std::filesystem::create_directories(dir_ / sub);
        }
    }
    ~ScratchInstallation() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string path() const { return dir_.string(); }

  private:
    std::filesystem::path dir_;
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
    config.countryName = "Egypt";
    config.cityName = "Cairo";
    config.latitude = 30.05;
    config.longitude = 31.25;
    config.gmtOffsetHours = 2;
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

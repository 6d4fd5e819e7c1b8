// Loading and saving the configuration file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "config/config_file.h"
#include "platform/message_boxes.h"
#include "tests/support/cairo.h"

namespace {

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() / "salvenor-bench-zav.cfg").string();
}

void FillRecord(salvenor::ConfigRecord& r) {
    salvenor::testing::SetCairoExample(r);
    r.followWindowsZone = 1;
    salvenor::ApplyFirstRunDefaults(r);
}

void BM_SaveSettings(benchmark::State& state) {
    salvenor::SilentMessageBoxes boxes;
    salvenor::CConfigFile config(boxes);
    config.configPath = BenchPath();
    FillRecord(config);
    for (auto _ : state) {
        config.SaveSettings();
    }
}
BENCHMARK(BM_SaveSettings);

void BM_OpenAndLoad(benchmark::State& state) {
    salvenor::SilentMessageBoxes boxes;
    {
        salvenor::CConfigFile config(boxes);
        config.configPath = BenchPath();
        FillRecord(config);
        config.SaveSettings();
    }
    for (auto _ : state) {
        salvenor::CConfigFile config(boxes);
        config.configPath = BenchPath();
        benchmark::DoNotOptimize(config.OpenConfig());
    }
}
BENCHMARK(BM_OpenAndLoad);

}  // namespace

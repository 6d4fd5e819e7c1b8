// How long the selection page waits for the reader on the real world database: the country
// list, and its largest city list (Mexico, letter S: 3,315 of 16,917 records).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "citydb/city_database.h"
#include "platform/message_boxes.h"

namespace {

using namespace salvenor;

const std::string StageDir = SALVENOR_STAGE_DIR;

// Keeps the names as the page's list does.
class ListSink final : public CitySink {
  public:
    void clear() override { names.clear(); }
    AddResult add(std::string_view name) override {
        names.emplace_back(name);
        return AddResult::Added;
    }
    std::vector<std::string> names;
};

bool Staged(benchmark::State& state) {
    if (!std::filesystem::exists(StageDir + "/world.sum")) {
        state.SkipWithError("the world city database has not been built (ninja citydb_data)");
        return false;
    }
    return true;
}

void CountryList(benchmark::State& state) {
    if (!Staged(state)) {
        return;
    }
    SilentMessageBoxes boxes;
    const CityDatabase db(StageDir, boxes);
    std::size_t countries = 0;
    for (auto _ : state) {
        const auto names = db.ReadCountryNames();
        countries = names ? names->size() : 0;
        benchmark::DoNotOptimize(names);
    }
    state.counters["countries"] = static_cast<double>(countries);
}
BENCHMARK(CountryList)->Unit(benchmark::kMillisecond);

void MexicoLetterS(benchmark::State& state) {
    if (!Staged(state)) {
        return;
    }
    SilentMessageBoxes boxes;
    const CityDatabase db(StageDir, boxes);
    const auto names = db.ReadCountryNames().value_or(std::vector<std::string>{});
    const auto mexico = std::find(names.begin(), names.end(), "Mexico");
    if (mexico == names.end()) {
        state.SkipWithError("no Mexico in the database");
        return;
    }
    const int position = static_cast<int>(mexico - names.begin()) + 1;
    auto table = std::make_unique<CityCoordinateTable>();
    ListSink sink;
    for (auto _ : state) {
        // What the page does for one rebuild: the lookup, then the listing.
        const auto entry = db.FindCountryEntry(position);
        db.ListCitiesByLetter(*entry, 'S' - 'A', sink, *table);
        benchmark::DoNotOptimize(sink.names.data());
    }
    state.counters["listed"] = static_cast<double>(sink.names.size());
    if (boxes.count() != 0) {
        state.SkipWithError("the reader showed a message");
    }
}
BENCHMARK(MexicoLetterS)->Unit(benchmark::kMillisecond);

}  // namespace

// How long the selection page waits for the reader on the real world database: the country
// list, and its largest city list (Mexico, letter S: 3,315 of 16,917 records); and how long the
// city search takes a keystroke over 17,000 names, made up and the real Mexico.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "citydb/city_database.h"
#include "citydb/city_search.h"
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

// 17,000 names of two to four made-up words, as long as real place names, in byte order as the
// builder writes them.
std::vector<CityEntry> MadeUpCities(std::size_t count) {
    static constexpr std::string_view Syllables[] = {
        "san", "ta", "lu",  "is", "po", "to", "si", "ma", "ri",  "a",   "del", "o",  "ro", "vi",
        "lla", "de", "gua", "da", "la", "ja", "ra", "te", "pec", "chi", "hua", "co", "mi", "x"};
    std::vector<CityEntry> cities;
    std::uint64_t seed = 12345;
    const auto next = [&seed](std::uint64_t bound) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return (seed >> 33) % bound;
    };
    for (std::size_t i = 0; i < count; ++i) {
        std::string name;
        const std::uint64_t words = 1 + next(4);
        for (std::uint64_t w = 0; w < words; ++w) {
            if (w > 0) {
                name += ' ';
            }
            const std::uint64_t parts = 2 + next(3);
            for (std::uint64_t k = 0; k < parts; ++k) {
                name += Syllables[next(std::size(Syllables))];
            }
            name.front() = static_cast<char>(name.front() - 'a' + 'A');
        }
        cities.push_back({std::move(name), {}});
    }
    std::sort(cities.begin(), cities.end(),
              [](const CityEntry& a, const CityEntry& b) { return a.name < b.name; });
    return cities;
}

// The texts of typing "San Luis Po" one key at a time.
const std::vector<std::string> Keystrokes = {"S",         "Sa",         "San",        "San ",
                                             "San L",     "San Lu",     "San Lui",    "San Luis",
                                             "San Luis ", "San Luis P", "San Luis Po"};

// One iteration is one keystroke: the texts are typed in turn, so the time is a keystroke's.
void TypeAcross(benchmark::State& state, const CitySearch& search) {
    std::size_t key = 0;
    for (auto _ : state) {
        const auto matches = search.Find(Keystrokes[key], 200);
        key = (key + 1) % Keystrokes.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["names"] = static_cast<double>(search.cities().size());
}

void SearchMadeUp17000(benchmark::State& state) {
    const CitySearch search(MadeUpCities(17000));
    TypeAcross(state, search);
}
BENCHMARK(SearchMadeUp17000)->Unit(benchmark::kMillisecond);

// Mexico's entry in the staged database, the largest country by names; the run is skipped
// without it.
std::optional<CountryEntry> MexicoEntry(benchmark::State& state, const CityDatabase& db) {
    const auto names = db.ReadCountryNames().value_or(std::vector<std::string>{});
    const auto mexico = std::find(names.begin(), names.end(), "Mexico");
    const std::optional<CountryEntry> entry =
        mexico == names.end() ? std::nullopt
                              : db.FindCountryEntry(static_cast<int>(mexico - names.begin()) + 1);
    if (!entry) {
        state.SkipWithError("no Mexico in the database");
    }
    return entry;
}

void SearchMexico(benchmark::State& state) {
    if (!Staged(state)) {
        return;
    }
    SilentMessageBoxes boxes;
    const CityDatabase db(StageDir, boxes);
    const auto entry = MexicoEntry(state, db);
    if (!entry) {
        return;
    }
    const CitySearch search(db.ReadCountryCities(*entry).value_or(std::vector<CityEntry>{}));
    TypeAcross(state, search);
}
BENCHMARK(SearchMexico)->Unit(benchmark::kMillisecond);

// What the page does before the first keystroke: read the country's block and fold it.
void LoadMexicoForSearch(benchmark::State& state) {
    if (!Staged(state)) {
        return;
    }
    SilentMessageBoxes boxes;
    const CityDatabase db(StageDir, boxes);
    const auto entry = MexicoEntry(state, db);
    if (!entry) {
        return;
    }
    for (auto _ : state) {
        const CitySearch search(db.ReadCountryCities(*entry).value_or(std::vector<CityEntry>{}));
        benchmark::DoNotOptimize(search.cities().data());
    }
}
BENCHMARK(LoadMexicoForSearch)->Unit(benchmark::kMillisecond);

}  // namespace

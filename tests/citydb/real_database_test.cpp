// The world city database staged by the build (skipped when it has not been built): its country
// list and its largest list, Mexico's cities beginning with S.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "base/binary_coding.h"
#include "citydb/city_database.h"
#include "citydb_test_support.h"
#include "tests/support/fakes.h"

namespace salvenor {
namespace {

const std::string StageDir = SALVENOR_STAGE_DIR;

bool Staged() {
    return std::filesystem::exists(StageDir + "/world.sum") &&
           std::filesystem::exists(StageDir + "/IndexWorld.zav");
}

// Counts the records of the run that starts at `offset`, walking the bytes on its own.
struct BlockCount {
    long records = 0;
    long total = 0;  // records in the whole file
};

BlockCount CountRecords(const std::string& path, std::uint32_t offset) {
    const std::string bytes = testing::ReadText(path);
    const auto u32 = [&bytes](std::size_t at) {
        return DecodeU32(reinterpret_cast<const unsigned char*>(bytes.substr(at, 4).data()));
    };
    BlockCount run;
    std::string runCountry;
    bool inRun = false;
    bool runOver = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::uint32_t a = u32(at);
        const std::string country = bytes.substr(at + 4, a);
        const std::uint32_t b = u32(at + 4 + a);
        if (at == offset) {
            inRun = true;
            runCountry = country;
        }
        if (inRun && !runOver) {
            if (country == runCountry) {
                ++run.records;
            } else {
                runOver = true;
            }
        }
        ++run.total;
        at += 32u + a + b;
    }
    return run;
}

TEST(RealDatabase, ListsEveryCountryAfterThePlaceholder) {
    if (!Staged()) {
        GTEST_SKIP() << "the world city database has not been built into " << StageDir;
    }
    testing::RecordingMessageBoxes boxes;
    const CityDatabase db(StageDir, boxes);
    const auto names = db.ReadCountryNames().value();
    ASSERT_EQ(names.size(), 247u);  // 246 countries, then "Not Valid"
    EXPECT_EQ(names.back(), "Not Valid");
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end() - 1));
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    for (const std::string& name : names) {
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
            return c >= 0x20 && c < 0x7F;
        })) << name;
    }

    // The placeholder takes the closing record, which points at the end of the city file.
    const CountryEntry last = db.FindCountryEntry(0).value();
    EXPECT_EQ(last.name, "Not Valid");
    EXPECT_EQ(last.offset, std::filesystem::file_size(StageDir + "/IndexWorld.zav"));
    testing::RecordingSink sink;
    auto table = std::make_unique<CityCoordinateTable>();
    EXPECT_EQ(db.ListCitiesByLetter(last, 0, sink, *table), CityListOutcome::Listed);
    EXPECT_TRUE(sink.names.empty());
    EXPECT_TRUE(boxes.texts().empty());
}

TEST(RealDatabase, MexicoHas3315CitiesBeginningWithS) {
    if (!Staged()) {
        GTEST_SKIP() << "the world city database has not been built into " << StageDir;
    }
    testing::RecordingMessageBoxes boxes;
    const CityDatabase db(StageDir, boxes);
    const auto names = db.ReadCountryNames().value();
    const auto mexico = std::find(names.begin(), names.end(), "Mexico");
    ASSERT_NE(mexico, names.end());
    const int position = static_cast<int>(mexico - names.begin()) + 1;
    const CountryEntry entry = db.FindCountryEntry(position).value();
    EXPECT_EQ(entry.name, "Mexico");

    const BlockCount run = CountRecords(StageDir + "/IndexWorld.zav", entry.offset);
    EXPECT_EQ(run.records, 16917);
    EXPECT_EQ(run.total, 199568);

    testing::RecordingSink sink;
    auto table = std::make_unique<CityCoordinateTable>();
    int listed = 0;
    EXPECT_EQ(db.ListCitiesByLetter(entry, 'S' - 'A', sink, *table, &listed),
              CityListOutcome::Listed);
    EXPECT_EQ(listed, 3315);
    ASSERT_EQ(sink.names.size(), 3315u);
    EXPECT_TRUE(std::is_sorted(sink.names.begin(), sink.names.end()));
    // Mexico lies north of the equator and west of Greenwich.
    for (int i = 0; i < listed; ++i) {
        EXPECT_GT((*table)[static_cast<std::size_t>(i)].latitude, 14.0) << sink.names[i];
        EXPECT_LT((*table)[static_cast<std::size_t>(i)].longitude, -86.0) << sink.names[i];
    }
    EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
}  // namespace salvenor

// The reader of the world city database over small databases written by the project's writer:
// country lookups, listings by letter with every rule of the scan, file errors and short reads.
#include "citydb/city_database.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "citydb/city_writer.h"
#include "citydb_test_support.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "tests/support/fakes.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing::RecordingMessageBoxes;
using testing::RecordingSink;
using testing::TempFolder;

constexpr const char* TooMany = "Too Much Cities...not all cities are displayed!!";

// A city whose coordinates follow from one number: a place for every n up to 9000.
CityRecord City(const std::string& country, const std::string& name, double n) {
    return {country, name, n / 100.0, -n / 100.0, n * 10.0};
}

// Alpha's block exercises the letter test and the duplicate rule; Beta stands between Alpha's
// two runs; the summary ends with "Not Valid" pointing at the end of the city file.
struct EdgeDatabase {
    CityDatabaseWriter writer;
    std::uint32_t betaOffset = 0;
    std::uint32_t secondAlphaRun = 0;
    std::uint32_t alphaBee = 0;  // the offset of Alpha's record "Bee"
};

EdgeDatabase MakeEdgeDatabase() {
    EdgeDatabase db;
    const std::vector<std::pair<std::string, double>> alpha = {
        {"Aa", 1},       {"ab", 2},
        {"Abc", 3},      {"Abc", 4},  // adjacent duplicate: dropped
        {"Bee", 5},      {"Abd", 6},
        {"Zed", 7},      {"Abd", 8},  // the same name with another between: kept
        {"9 Ave", 9},    {" Ash", 10},
        {"\xC1gua", 11}, {"\xC3\x81rea", 12},             // bytes above 127
        {"", 13},        {std::string("Ax\0yz", 5), 14},  // cut at the NUL: "Ax"
        {"", 15},        {"Ax", 16},  // an empty name does not break the duplicate rule
        {"bee", 17},
    };
    CountryCities alphaCountry{"Alpha", {}};
    for (const auto& [name, lat] : alpha) {
        alphaCountry.cities.push_back(City("Alpha", name, lat));
    }
    EXPECT_TRUE(db.writer.AddCountry(alphaCountry));
    // Offset of "Bee": the records before it, each 32 bytes plus its two names.
    std::uint32_t offset = 0;
    for (const auto& [name, lat] : alpha) {
        if (name == "Bee") {
            break;
        }
        offset += static_cast<std::uint32_t>(32 + 5 + name.size());
    }
    db.alphaBee = offset;

    db.betaOffset = static_cast<std::uint32_t>(db.writer.cityBytes().size());
    EXPECT_TRUE(db.writer.AddCountry({"Beta", {City("Beta", "Aber", 20), City("Beta", "Bx", 21)}}));
    // Alpha's second run, which the summary does not point at.
    db.secondAlphaRun = static_cast<std::uint32_t>(db.writer.cityBytes().size());
    AppendCityRecord(db.writer.cityBytes(), City("Alpha", "Also", 30));
    AppendCityRecord(db.writer.cityBytes(), City("Alpha", "Aloe", 31));
    EXPECT_TRUE(db.writer.AddCountryAtEnd("Not Valid"));
    return db;
}

// `count` cities of one country whose names begin with C, the ones at `minor` positions
// marked with '%'; latitude = position in the block.
CountryCities ManyCities(const std::string& country, int count, const std::vector<int>& minor) {
    CountryCities block{country, {}};
    for (int i = 0; i < count; ++i) {
        const bool isMinor = std::find(minor.begin(), minor.end(), i) != minor.end();
        if (i % 1000 == 0) {
            block.cities.push_back(City(country, StrPrintf("D%04d", i), -1));  // not a C
        }
        block.cities.push_back(City(country, StrPrintf(isMinor ? "C%04d%%" : "C%04d", i), i));
    }
    return block;
}

std::vector<std::string> Names(int from, int to, const std::vector<int>& minor = {}) {
    std::vector<std::string> names;
    for (int i = from; i < to; ++i) {
        const bool isMinor = std::find(minor.begin(), minor.end(), i) != minor.end();
        names.push_back(StrPrintf(isMinor ? "C%04d%%" : "C%04d", i));
    }
    return names;
}

// A database with one big country and, when `followed`, another country after it.
CityDatabaseWriter BigDatabase(int count, const std::vector<int>& minor, bool followed) {
    CityDatabaseWriter writer;
    EXPECT_TRUE(writer.AddCountry(ManyCities("Big", count, minor)));
    if (followed) {
        EXPECT_TRUE(writer.AddCountry({"Late", {City("Late", "C9999", 99)}}));
    }
    return writer;
}

// A test name made of a case's label: its words run together.
template <typename Case>
std::string LabelName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    bool upper = true;
    for (const char c : std::string(info.param.label)) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            upper = true;
            continue;
        }
        name.push_back(upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c);
        upper = false;
    }
    return name;
}

struct ListingCase {
    const char* label;
    std::function<CityDatabaseWriter()> database;
    // The entry: a list position looked up with FindCountryEntry, or one given as it is.
    int position;
    std::function<std::optional<CountryEntry>()> entry;
    int letter;
    CityListOutcome outcome;
    int listed;
    std::vector<std::string> names;
    std::vector<double> latitudes;  // of the first names, in order
    std::vector<std::string> messages;
    int clears;
};

std::ostream& operator<<(std::ostream& os, const ListingCase& c) {
    return os << c.label;
}

CityDatabaseWriter Edge() {
    return MakeEdgeDatabase().writer;
}

const std::uint32_t EdgeCitySize = static_cast<std::uint32_t>(Edge().cityBytes().size());

const ListingCase ListingCases[] = {
    {"letter A takes both cases, drops adjacent duplicates only",
     Edge,
     1,
     nullptr,
     0,
     CityListOutcome::Listed,
     6,
     {"Aa", "ab", "Abc", "Abd", "Abd", "Ax"},
     {1, 2, 3, 6, 8, 14},
     {},
     1},
    {"names differing in case are not duplicates",
     Edge,
     1,
     nullptr,
     1,
     CityListOutcome::Listed,
     2,
     {"Bee", "bee"},
     {5, 17},
     {},
     1},
    {"the last letter", Edge, 1, nullptr, 25, CityListOutcome::Listed, 1, {"Zed"}, {7}, {}, 1},
    {"no name with the letter",
     Edge,
     1,
     nullptr,
     16,
     CityListOutcome::NoCityWithLetter,
     0,
     {},
     {},
     {},
     1},
    {"a letter index outside A..Z matches nothing",
     Edge,
     1,
     nullptr,
     26,
     CityListOutcome::NoCityWithLetter,
     0,
     {},
     {},
     {},
     1},
    {"the block ends at the next country",
     Edge,
     2,
     nullptr,
     0,
     CityListOutcome::Listed,
     1,
     {"Aber"},
     {20},
     {},
     1},
    {"the placeholder takes the last record, which points at the end",
     Edge,
     0,
     nullptr,
     0,
     CityListOutcome::Listed,
     -1,
     {},
     {},
     {},
     1},
    {"a missing selection takes the last record too",
     Edge,
     -1,
     nullptr,
     0,
     CityListOutcome::Listed,
     -1,
     {},
     {},
     {},
     1},
    {"a position past the end takes the last record",
     Edge,
     99,
     nullptr,
     0,
     CityListOutcome::Listed,
     -1,
     {},
     {},
     {},
     1},
    {"an offset past the end lists nothing",
     Edge,
     0,
     [] {
         return CountryEntry{"Alpha", EdgeCitySize + 100};
     },
     0,
     CityListOutcome::Listed,
     -1,
     {},
     {},
     {},
     1},
    {"the largest offset lists nothing",
     Edge,
     0,
     [] {
         return CountryEntry{"Alpha", 0xFFFFFFFFu};
     },
     0,
     CityListOutcome::Listed,
     -1,
     {},
     {},
     {},
     1},
    {"the second run of a country is its own block",
     Edge,
     0,
     [] {
         return CountryEntry{"Alpha", MakeEdgeDatabase().secondAlphaRun};
     },
     0,
     CityListOutcome::Listed,
     2,
     {"Also", "Aloe"},
     {30, 31},
     {},
     1},
    {"the block starts where the offset points",
     Edge,
     0,
     [] {
         return CountryEntry{"Alpha", MakeEdgeDatabase().alphaBee};
     },
     0,
     CityListOutcome::Listed,
     3,
     {"Abd", "Abd", "Ax"},
     {6, 8, 14},
     {},
     1},
    {"the entry's name plays no part",
     Edge,
     0,
     [] {
         return CountryEntry{"Elsewhere", 0};
     },
     25,
     CityListOutcome::Listed,
     1,
     {"Zed"},
     {7},
     {},
     1},
    {"exactly 5000 matches, minor ones included, no restart",
     [] {
         return BigDatabase(5000, {0, 7, 4999}, true);
     },
     1,
     nullptr,
     2,
     CityListOutcome::Listed,
     5000,
     Names(0, 5000, {0, 7, 4999}),
     {0, 1, 2},
     {},
     1},
    {"5001 matches restart without the minor cities",
     [] {
         return BigDatabase(5001, {0, 1, 2, 3, 4}, true);
     },
     1,
     nullptr,
     2,
     CityListOutcome::Listed,
     4996,
     Names(5, 5001),
     {5, 6, 7},
     {},
     2},
    {"the restart also comes when the overflow is the file's last record",
     [] {
         return BigDatabase(5001, {0, 1, 2, 3, 4}, false);
     },
     1,
     nullptr,
     2,
     CityListOutcome::Listed,
     4996,
     Names(5, 5001),
     {5, 6, 7},
     {},
     2},
    {"5001 matches without minor cities: the message and the first 5000",
     [] { return BigDatabase(5001, {}, true); },
     1,
     nullptr,
     2,
     CityListOutcome::Listed,
     5000,
     Names(0, 5000),
     {0, 1, 2},
     {TooMany},
     2},
    {"still too many after the restart: the first 5000 that are not minor",
     [] {
         return BigDatabase(5003, {0, 1}, false);
     },
     1,
     nullptr,
     2,
     CityListOutcome::Listed,
     5000,
     Names(2, 5002),
     {2, 3, 4},
     {TooMany},
     2},
};

class Listing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(Listing, GivesTheDocumentedList) {
    const ListingCase& c = GetParam();
    TempFolder folder;
    ASSERT_TRUE(c.database().WriteFiles(folder.path()));
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);

    std::optional<CountryEntry> entry = c.entry ? c.entry() : db.FindCountryEntry(c.position);
    ASSERT_TRUE(entry.has_value());
    RecordingSink sink;
    auto table = std::make_unique<CityCoordinateTable>();
    int listed = -99;
    EXPECT_EQ(db.ListCitiesByLetter(*entry, c.letter, sink, *table, &listed), c.outcome);
    EXPECT_EQ(listed, c.listed);
    EXPECT_EQ(sink.names, c.names);
    EXPECT_EQ(boxes.texts(), c.messages);
    EXPECT_EQ(sink.clears, c.clears);
    for (std::size_t i = 0; i < c.latitudes.size(); ++i) {
        EXPECT_EQ((*table)[i].latitude, c.latitudes[i] / 100.0) << "entry " << i;
        EXPECT_EQ((*table)[i].longitude, -c.latitudes[i] / 100.0) << "entry " << i;
        EXPECT_EQ((*table)[i].altitude, c.latitudes[i] * 10.0) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CityDatabase, Listing, ::testing::ValuesIn(ListingCases),
                         LabelName<ListingCase>);

TEST(CityDatabaseListing, NoNameOutsideTheLettersMatchesAnyLetter) {
    TempFolder folder;
    ASSERT_TRUE(Edge().WriteFiles(folder.path()));
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    auto table = std::make_unique<CityCoordinateTable>();
    std::vector<std::string> all;
    for (int letter = 0; letter < 26; ++letter) {
        RecordingSink sink;
        db.ListCitiesByLetter({"Alpha", 0}, letter, sink, *table);
        all.insert(all.end(), sink.names.begin(), sink.names.end());
    }
    std::sort(all.begin(), all.end());
    EXPECT_THAT(all, ElementsAre("Aa", "Abc", "Abd", "Abd", "Ax", "Bee", "Zed", "ab", "bee"));
}

TEST(CityDatabaseCountryCities, ReadsTheWholeBlockByTheListingsRules) {
    TempFolder folder;
    ASSERT_TRUE(Edge().WriteFiles(folder.path()));
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    const auto cities = db.ReadCountryCities({"Alpha", 0});
    ASSERT_TRUE(cities.has_value());
    std::vector<std::string> names;
    for (const CityEntry& city : *cities) {
        names.push_back(city.name);
    }
    // Every name of the block, the letterless ones too; not Beta's, not Alpha's second run.
    EXPECT_THAT(names, ElementsAre("Aa", "ab", "Abc", "Bee", "Abd", "Zed", "Abd", "9 Ave", " Ash",
                                   "\xC1gua", "\xC3\x81rea", "Ax", "bee"));
    EXPECT_DOUBLE_EQ((*cities)[3].coordinates.latitude, 0.05);  // Bee's own record
    EXPECT_TRUE(boxes.entries.empty());
}

TEST(CityDatabaseCountryCities, LeavesOutRecordsNoPlaceHasAndSaysSoOnce) {
    TempFolder folder;
    CityDatabaseWriter writer;
    ASSERT_TRUE(writer.AddCountry({"Alpha",
                                   {{"Alpha", "Far", 95.0, 0, 0},
                                    {"Alpha", "Near", 10, 10, 0},
                                    {"Alpha", "Off", 0, 200, 0}}}));
    ASSERT_TRUE(writer.WriteFiles(folder.path()));
    RecordingMessageBoxes boxes;
    // The message is put together in the user's language, both of its parts.
    boxes.language = {{texts::CityDatabaseDamaged, "damaged: %s!"},
                      {texts::CityRecordNotAPlace, "no place"}};
    const auto cities = CityDatabase(folder.path(), boxes).ReadCountryCities({"Alpha", 0});
    ASSERT_TRUE(cities.has_value());
    ASSERT_EQ(cities->size(), 1u);
    EXPECT_EQ(cities->front().name, "Near");
    EXPECT_THAT(boxes.texts(), ElementsAre("damaged: no place!"));
}

TEST(CityDatabaseCountryCities, AMissingFileGivesNothing) {
    TempFolder folder;
    RecordingMessageBoxes boxes;
    EXPECT_FALSE(CityDatabase(folder.path(), boxes).ReadCountryCities({"Alpha", 0}).has_value());
    EXPECT_EQ(boxes.entries.size(), 1u);
}

TEST(CityDatabaseListing, StopsAtTheSinksRefusal) {
    const struct {
        CitySink::AddResult refusal;
        CityListOutcome outcome;
    } cases[] = {{CitySink::AddResult::Error, CityListOutcome::SinkError},
                 {CitySink::AddResult::NoSpace, CityListOutcome::SinkNoSpace}};
    TempFolder folder;
    ASSERT_TRUE(Edge().WriteFiles(folder.path()));
    for (const auto& c : cases) {
        RecordingMessageBoxes boxes;
        const CityDatabase db(folder.path(), boxes);
        RecordingSink sink;
        sink.failAt = 3;
        sink.failWith = c.refusal;
        auto table = std::make_unique<CityCoordinateTable>();
        int listed = 0;
        EXPECT_EQ(db.ListCitiesByLetter({"Alpha", 0}, 0, sink, *table, &listed), c.outcome);
        EXPECT_THAT(sink.names, ElementsAre("Aa", "ab"));  // the entries before stay
        EXPECT_EQ(sink.adds, 3);                           // nothing after the refusal
        EXPECT_EQ(listed, 2);
        EXPECT_THAT(boxes.texts(), IsEmpty());  // the page says it, not the reader
    }
}

TEST(CityDatabaseCountries, ReadsTheNamesInFileOrder) {
    TempFolder folder;
    ASSERT_TRUE(Edge().WriteFiles(folder.path()));
    RecordingMessageBoxes boxes;
    const auto names = CityDatabase(folder.path(), boxes).ReadCountryNames();
    ASSERT_TRUE(names.has_value());
    EXPECT_THAT(*names, ElementsAre("Alpha", "Beta", "Not Valid"));
    EXPECT_THAT(boxes.texts(), IsEmpty());
}

TEST(CityDatabaseCountries, FindsTheEntryOfAListPosition) {
    TempFolder folder;
    const EdgeDatabase edge = MakeEdgeDatabase();
    ASSERT_TRUE(edge.writer.WriteFiles(folder.path()));
    const CountryEntry alpha{"Alpha", 0};
    const CountryEntry beta{"Beta", edge.betaOffset};
    const CountryEntry last{"Not Valid",
                            static_cast<std::uint32_t>(edge.writer.cityBytes().size())};
    const struct {
        int position;
        CountryEntry expected;
    } cases[] = {{-1, last}, {0, last}, {1, alpha},      {2, beta},
                 {3, last},  {4, last}, {INT_MAX, last}, {INT_MIN, last}};
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    for (const auto& c : cases) {
        EXPECT_EQ(db.FindCountryEntry(c.position), c.expected) << "position " << c.position;
    }
}

TEST(CityDatabaseCountries, CutsANameAtItsZeroByte) {
    TempFolder folder;
    CityDatabaseWriter writer;
    AppendCountryEntry(writer.summaryBytes(), {std::string("Ab\0cd", 5), 0});
    ASSERT_TRUE(writer.WriteFiles(folder.path()));
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    EXPECT_THAT(db.ReadCountryNames().value(), ElementsAre("Ab"));
    EXPECT_EQ(db.FindCountryEntry(1), (CountryEntry{"Ab", 0}));
}

TEST(CityDatabaseFiles, AMissingFileIsReportedWithItsStoredName) {
    TempFolder folder;
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    EXPECT_FALSE(db.ReadCountryNames().has_value());
    EXPECT_FALSE(db.FindCountryEntry(1).has_value());
    RecordingSink sink;
    auto table = std::make_unique<CityCoordinateTable>();
    EXPECT_EQ(db.ListCitiesByLetter({"Alpha", 0}, 0, sink, *table), CityListOutcome::FileError);
    EXPECT_THAT(sink.names, IsEmpty());
    EXPECT_THAT(boxes.texts(),
                ElementsAre(".\\world.sum was not found.", ".\\world.sum was not found.",
                            ".\\IndexWorld.zav was not found."));
    ASSERT_EQ(boxes.entries.size(), 3u);
    EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
}

TEST(CityDatabaseFiles, AFolderInPlaceOfAFileIsRefused) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("world.sum"));
    RecordingMessageBoxes boxes;
    EXPECT_FALSE(CityDatabase(folder.path(), boxes).ReadCountryNames().has_value());
    EXPECT_THAT(boxes.texts(), ElementsAre("Access to .\\world.sum was denied."));
}

TEST(CityDatabaseFiles, EachCallReadsTheFilesAnew) {
    TempFolder folder;
    RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    ASSERT_TRUE(Edge().WriteFiles(folder.path()));
    EXPECT_EQ(db.ReadCountryNames()->size(), 3u);
    CityDatabaseWriter other;
    ASSERT_TRUE(other.AddCountry({"Gamma", {City("Gamma", "Gem", 1)}}));
    ASSERT_TRUE(other.WriteFiles(folder.path()));
    EXPECT_THAT(db.ReadCountryNames().value(), ElementsAre("Gamma"));
}

// Short reads end the process through the disk-read message; these run in a child process.
struct DamagedCase {
    const char* label;
    std::string summary;
    std::string cities;
    bool listing;  // read by listing Alpha's block; else by reading the summary
};

std::ostream& operator<<(std::ostream& os, const DamagedCase& c) {
    return os << c.label;
}

std::string Counted(std::string_view text) {
    std::string out;
    AppendCountedString(out, text);
    return out;
}

std::string Summary(std::string_view name, std::uint32_t offset) {
    std::string out;
    AppendCountryEntry(out, {std::string(name), offset});
    return out;
}

std::string Record(std::string_view city) {
    std::string out;
    AppendCityRecord(out, {"Alpha", std::string(city), 1, 2, 3});
    return out;
}

std::string U32(std::uint32_t v) {
    std::string out;
    AppendU32(out, v);
    return out;
}

const DamagedCase DamagedCases[] = {
    // An empty summary is a database cut before its first record, not an empty list whose
    // "entry" would send the city list to another country's block at offset 0.
    {"an empty summary", "", Record("Aa"), false},
    {"a country name longer than the summary", U32(100) + "Alpha", "", false},
    {"a country name length of 4 GiB", Summary("Alpha", 0) + U32(0xFFFFFFFFu) + "x", "", false},
    {"an offset cut short", Counted("Alpha") + "\x01\x02", "", false},
    {"a city name length past the end", Summary("Alpha", 0),
     Record("Aa") + Counted("Alpha") + U32(1000) + "Ab", true},
    {"a country name length of 4 GiB in the city file", Summary("Alpha", 0),
     Record("Aa") + U32(0xFFFFFFFFu) + "Alpha", true},
    {"a record cut inside its altitude", Summary("Alpha", 0),
     Record("Aa") + Record("Ab").substr(0, Record("Ab").size() - 3), true},
};

class ShortRead : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(ShortRead, EndsTheProgramWithTheDiskMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const DamagedCase& c = GetParam();
    TempFolder folder;
    CityDatabaseWriter writer;
    writer.summaryBytes() = c.summary;
    writer.cityBytes() = c.cities;
    ASSERT_TRUE(writer.WriteFiles(folder.path()));
    const auto run = [&] {
        StderrMessageBoxes boxes;
        const CityDatabase db(folder.path(), boxes);
        if (c.listing) {
            RecordingSink sink;
            auto table = std::make_unique<CityCoordinateTable>();
            db.ListCitiesByLetter({"Alpha", 0}, 0, sink, *table);
        } else {
            db.ReadCountryNames();
        }
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(1), "ERROR READING READING DISK");
    if (!c.listing) {
        EXPECT_EXIT(
            {
                StderrMessageBoxes boxes;
                CityDatabase(folder.path(), boxes).FindCountryEntry(0);
            },
            ::testing::ExitedWithCode(1), "ERROR READING READING DISK");
    }
}

INSTANTIATE_TEST_SUITE_P(CityDatabase, ShortRead, ::testing::ValuesIn(DamagedCases),
                         LabelName<DamagedCase>);

}  // namespace
}  // namespace salvenor

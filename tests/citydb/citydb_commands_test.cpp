// salvenor-cli's countries and cities commands, run in a folder holding a small database.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "citydb/city_writer.h"
#include "citydb_test_support.h"
#include "core/texts.h"
#include "tools/cli/commands.h"

namespace salvenor {
namespace {

// Runs a command with the temporary folder as the current one, capturing what it prints.
struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

class CityCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        CityDatabaseWriter writer;
        ASSERT_TRUE(writer.AddCountry({"Egypt",
                                       {{"Egypt", "Alexandria", 31.2, 29.9166666666667, 0},
                                        {"Egypt", "aswan", 24.0889, 32.8998, 194},
                                        {"Egypt", "Cairo", 30.0444, 31.2357, 23}}}));
        ASSERT_TRUE(writer.AddCountry({"Oman", {{"Oman", "Muscat", 23.5880, 58.3829, 1.0 / 3}}}));
        ASSERT_TRUE(writer.AddCountryAtEnd("Not Valid"));
        ASSERT_TRUE(writer.WriteFiles(folder_.path()));
    }

    CommandRun Exec(int (*command)(const cli::Args&), const cli::Args& args,
                    bool inDatabase = true) {
        const std::string here = std::filesystem::current_path();
        std::filesystem::current_path(inDatabase ? folder_.path() : empty_.path());
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        CommandRun run;
        run.status = command(args);
        run.out = ::testing::internal::GetCapturedStdout();
        run.err = ::testing::internal::GetCapturedStderr();
        std::filesystem::current_path(here);
        return run;
    }

    testing::TempFolder folder_;
    testing::TempFolder empty_;
};

TEST_F(CityCommands, CountriesPrintsThePlaceholderFirst) {
    const CommandRun run = Exec(cli::RunCountries, {});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Chose Country\nEgypt\nOman\nNot Valid\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CityCommands, CitiesPrintsNameAndCoordinates) {
    const struct {
        cli::Args args;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"1", "A"},
         0,
         "Alexandria\t31.2\t29.9166666666667\t0\naswan\t24.0889\t32.8998\t194\n",
         ""},
        {{"1", "c"}, 0, "Cairo\t30.0444\t31.2357\t23\n", ""},
        {{"2", "M"}, 0, "Muscat\t23.588\t58.3829\t0.333333333333333\n", ""},
        // The placeholder: the closing record, no city; nothing listed is a failure, said why.
        {{"0", "A"}, 1, "", std::string(texts::InvalidCountry) + "\n"},
        {{"1", "Z"}, 1, "", "No City with that letter, please choose another one\n"},
    };
    for (const auto& c : cases) {
        const CommandRun run = Exec(cli::RunCities, c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(run.out, c.out) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(run.err, c.err) << c.args[0] << " " << c.args[1];
    }
}

TEST_F(CityCommands, RefusesBadArguments) {
    const std::vector<cli::Args> cases = {
        {},          {"1"},        {"1", "A", "B"},      {"x", "A"},
        {"-1", "A"}, {"1.5", "A"}, {"99999999999", "A"}, {"1", "AB"},
        {"1", "1"},  {"1", ""},    {"1", "\xC3\x81"},
    };
    for (const auto& args : cases) {
        const CommandRun run = Exec(cli::RunCities, args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err.rfind("salvenor-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Exec(cli::RunCountries, {"extra"}).status, 2);
}

TEST_F(CityCommands, AMissingDatabaseIsReported) {
    const CommandRun countries = Exec(cli::RunCountries, {}, false);
    EXPECT_EQ(countries.status, 1);
    EXPECT_EQ(countries.out, "");
    EXPECT_EQ(countries.err, ".\\world.sum was not found.\n");
    const CommandRun cities = Exec(cli::RunCities, {"1", "A"}, false);
    EXPECT_EQ(cities.status, 1);
    EXPECT_EQ(cities.err, ".\\world.sum was not found.\n");
}

// A damaged database is reported, with status 1, never listed as if it were whole. Each row
// damages the two files of the fixture (Egypt at offset 0, Oman, then "Not Valid" at the end).
TEST_F(CityCommands, ADamagedDatabaseIsReportedWithStatusOne) {
    const std::string summary = folder_.file("world.sum");
    const std::string cities = folder_.file("IndexWorld.zav");
    const auto bytes = [](const std::string& path) { return testing::ReadText(path); };
    const auto write = [](const std::string& path, const std::string& content) {
        testing::WriteText(path, content);
    };
    const std::string goodSummary = bytes(summary);
    const std::string goodCities = bytes(cities);
    CountryEntry oman;  // the second summary record
    {
        CityDatabaseWriter w;
        ASSERT_TRUE(w.AddCountry({"Egypt",
                                  {{"Egypt", "Alexandria", 31.2, 29.9166666666667, 0},
                                   {"Egypt", "aswan", 24.0889, 32.8998, 194},
                                   {"Egypt", "Cairo", 30.0444, 31.2357, 23}}}));
        oman = {"Oman", static_cast<std::uint32_t>(w.cityBytes().size())};
    }
    std::string swapped;
    AppendCountryEntry(swapped, {"Egypt", oman.offset});
    AppendCountryEntry(swapped, {"Oman", 0});
    AppendCountryEntry(swapped, {"Not Valid", static_cast<std::uint32_t>(goodCities.size())});
    std::string notAPlace;
    AppendCityRecord(notAPlace, {"Egypt", "Alexandria", std::nan(""), 29.9, 0});
    AppendCityRecord(notAPlace, {"Egypt", "aswan", 24.0889, 32.8998, 194});
    AppendCityRecord(notAPlace, {"Egypt", "Assiut", 27.18, 1e308, 50});
    std::string notAPlaceSummary;
    AppendCountryEntry(notAPlaceSummary, {"Egypt", 0});
    AppendCountryEntry(notAPlaceSummary,
                       {"Not Valid", static_cast<std::uint32_t>(notAPlace.size())});

    struct Case {
        const char* name;
        std::string summary;
        std::string cities;
        int (*command)(const cli::Args&);
        cli::Args args;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"empty city file",
         goodSummary,
         "",
         cli::RunCities,
         {"2", "M"},
         "",
         texts::SummaryPastTheEnd},
        {"city file cut at Oman",
         goodSummary,
         goodCities.substr(0, oman.offset),
         cli::RunCities,
         {"2", "M"},
         "",
         texts::SummaryPastTheEnd},
        {"all-zero summary",
         std::string(16, '\0'),
         goodCities,
         cli::RunCities,
         {"1", "A"},
         "",
         texts::SummaryNamelessCountry},
        {"all-zero summary",
         std::string(16, '\0'),
         goodCities,
         cli::RunCountries,
         {},
         "",
         texts::SummaryNamelessCountry},
        {"offsets not rising",
         swapped,
         goodCities,
         cli::RunCountries,
         {},
         "",
         texts::SummaryNotRising},
        {"cities no place has",
         notAPlaceSummary,
         notAPlace,
         cli::RunCities,
         {"1", "A"},
         "aswan\t24.0889\t32.8998\t194\n",
         texts::CityRecordNotAPlace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(summary, c.summary);
        write(cities, c.cities);
        const CommandRun run = Exec(c.command, c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, c.out);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << "one message";
    }
    // Put back whole, the same database lists again.
    write(summary, goodSummary);
    write(cities, goodCities);
    EXPECT_EQ(Exec(cli::RunCities, {"1", "A"}).status, 0);
}

}  // namespace
}  // namespace salvenor

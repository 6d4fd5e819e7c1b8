// Finding a country's cities by any part of their names: folding, matching and the order of the
// results.
#include "citydb/city_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace salvenor {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// A small Mexico in the file's byte order, look-alikes carrying their coordinates.
CitySearch SmallMexico() {
    const std::vector<std::string> names = {
        "Ciudad de Mexico",   "Mexicali",          "Nuevo Mexico",
        "Queretaro",          "San Luis Potosi",   "San Luis Potosi (16.60, -91.65)",
        "San Luis de la Paz", "Santa Maria%",      "Santa Maria del Oro",
        "Tlaxcala",           "Villa de San Luis", "Xochimilco%",
    };
    std::vector<CityEntry> cities;
    for (std::size_t i = 0; i < names.size(); ++i) {
        cities.push_back({names[i], {static_cast<double>(i), -static_cast<double>(i), 0.0}});
    }
    return CitySearch(std::move(cities));
}

std::vector<std::string> FoundNames(const CitySearch& search, std::string_view typed,
                                    std::size_t limit = 50) {
    std::vector<std::string> names;
    for (const CityMatch& match : search.Find(typed, limit)) {
        names.push_back(search.cities()[match.index].name);
    }
    return names;
}

TEST(FoldForSearch, DropsCaseAndTheAccentsOfLatinLetters) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"San LUIS", "san luis"},
        {"Quer\xC3\xA9taro", "queretaro"},  // é
        {"\xC3\x89VORA", "evora"},          // É
        {"Stra\xC3\x9F"
         "e",
         "strasse"},  // ß
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "lodz"},                                                  // Łódź
        {"\xC3\x86r\xC3\xB8", "aero"},                             // Ærø
        {"2 \xC3\x97 3", "2 \xC3\x97 3"},                          // × is no letter
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "\xE6\x9D\xB1\xE4\xBA\xAC"},  // other scripts as they are
        {"cut \xC3", "cut \xC3"},                                  // a sequence cut short stays
        {"\xC1gua", "\xC1gua"},                                    // Latin-1 byte, not UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoldForSearch(c.text), c.folded) << c.text;
    }
}

TEST(CitySearch, FindsAnyPartOfTheNameWithCaseAndAccentsIgnored) {
    const CitySearch search = SmallMexico();
    const struct {
        const char* typed;
        std::vector<std::string> found;
    } cases[] = {
        {"queretaro", {"Queretaro"}},
        {"QUER\xC3\x89TARO", {"Queretaro"}},
        {"  tlax ", {"Tlaxcala"}},
        {"milco", {"Xochimilco%"}},
        {"del oro", {"Santa Maria del Oro"}},
        {"mexic", {"Mexicali", "Ciudad de Mexico", "Nuevo Mexico"}},
        {"zzz", {}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(FoundNames(search, c.typed), ElementsAreArray(c.found)) << c.typed;
    }
}

TEST(CitySearch, RanksExactThenPrefixThenWordStartThenAnywhere) {
    const CitySearch search = SmallMexico();
    // "San Luis Potosi" is exact, its look-alike too; the prefixes; a later word; inside a word.
    EXPECT_THAT(FoundNames(search, "san luis"),
                ElementsAreArray({"San Luis Potosi", "San Luis Potosi (16.60, -91.65)",
                                  "San Luis de la Paz", "Villa de San Luis"}));
    EXPECT_THAT(FoundNames(search, "san luis potosi"),
                ElementsAreArray({"San Luis Potosi", "San Luis Potosi (16.60, -91.65)"}));
    const std::vector<CityMatch> kinds = search.Find("san", 50);
    std::vector<MatchKind> order;
    for (const CityMatch& m : kinds) {
        order.push_back(m.kind);
    }
    EXPECT_THAT(order,
                ElementsAreArray({MatchKind::Prefix, MatchKind::Prefix, MatchKind::Prefix,
                                  MatchKind::Prefix, MatchKind::Prefix, MatchKind::WordStart}));
    EXPECT_EQ(search.Find("potosi", 1), (std::vector<CityMatch>{{4, MatchKind::WordStart}}));
    EXPECT_EQ(search.Find("xcal", 5), (std::vector<CityMatch>{{9, MatchKind::Anywhere}}));
}

TEST(CitySearch, PutsMinorCitiesAfterMajorOnesOfTheSameKind) {
    const CitySearch search = SmallMexico();
    EXPECT_THAT(FoundNames(search, "santa maria"),
                ElementsAreArray({"Santa Maria del Oro", "Santa Maria%"}));
}

TEST(CitySearch, AWordLaterInTheNameBeatsTheSameTextInsideAWord) {
    const CitySearch search({{"Almexico", {}}, {"Nuevo Mexico", {}}, {"Ciudad de Mexico", {}}});
    EXPECT_THAT(FoundNames(search, "mexico"),
                ElementsAreArray({"Nuevo Mexico", "Ciudad de Mexico", "Almexico"}));
}

TEST(CitySearch, ACountryOfOneCityAndACountryOfNone) {
    const CitySearch one({{"Vatican City", {41.9, 12.45, 75}}});
    EXPECT_EQ(one.Find("vat", 10), (std::vector<CityMatch>{{0, MatchKind::Prefix}}));
    EXPECT_EQ(one.Find("Vatican City", 10), (std::vector<CityMatch>{{0, MatchKind::Exact}}));
    EXPECT_THAT(one.Find("rome", 10), IsEmpty());
    EXPECT_THAT(CitySearch().Find("a", 10), IsEmpty());
}

TEST(CitySearch, StopsAtTheLimitKeepingTheBest) {
    const CitySearch search = SmallMexico();
    EXPECT_THAT(FoundNames(search, "san luis", 2),
                ElementsAreArray({"San Luis Potosi", "San Luis Potosi (16.60, -91.65)"}));
    std::size_t found = 0;
    EXPECT_THAT(search.Find("san", 0, &found), IsEmpty());
    EXPECT_EQ(found, 6u);
    EXPECT_EQ(search.Find("san luis", 1, &found).size(), 1u);
    EXPECT_EQ(found, 4u);
    search.Find("zzz", 5, &found);
    EXPECT_EQ(found, 0u);
}

}  // namespace
}  // namespace salvenor

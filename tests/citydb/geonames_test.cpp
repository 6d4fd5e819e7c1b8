// The GeoNames side of citydb-build: rows, ASCII names, country names, and the arrangement that
// keeps every place listable by the reader.
#include "tools/citydb-build/geonames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "citydb_test_support.h"
#include "tests/support/fakes.h"

namespace salvenor::geonames {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A row of the cities table with the columns the builder reads; the others hold typical values.
std::string Row(const std::string& id, const std::string& name, const std::string& ascii,
                const std::string& lat, const std::string& lon, const std::string& country,
                const std::string& elevation, const std::string& dem) {
    return id + "\t" + name + "\t" + ascii + "\tAlt One,Alt Two\t" + lat + "\t" + lon +
           "\tP\tPPL\t" + country + "\t\t02\t\t\t\t602\t" + elevation + "\t" + dem +
           "\tEurope/Andorra\t2017-11-06";
}

TEST(GeoNamesRow, TakesTheColumnsTheDatabaseKeeps) {
    const struct {
        const char* label;
        std::string line;
        std::string name;
        double latitude, longitude, altitude;
    } cases[] = {
        {"elevation first",
         Row("3039163", "Sant Julià de Lòria", "Sant Julia de Loria", "42.46372", "1.49129", "AD",
             "1050", "1045"),
         "Sant Julia de Loria", 42.46372, 1.49129, 1050},
        {"the model's value without an elevation",
         Row("3038999", "Soldeu", "Soldeu", "42.57688", "1.66769", "AD", "", "1832"), "Soldeu",
         42.57688, 1.66769, 1832},
        {"no data anywhere is 0",
         Row("2159545", "Lorne", "Lorne", "-38.54", "143.97", "AU", "", "-9999"), "Lorne", -38.54,
         143.97, 0},
        {"an elevation of -9999 is no data", Row("1", "Low", "Low", "1", "2", "NL", "-9999", "-4"),
         "Low", 1, 2, -4},
        {"below sea level", Row("2", "Deep", "Deep", "31.5", "35.4", "IL", "-410", "-405"), "Deep",
         31.5, 35.4, -410},
        {"an empty ascii name takes the name without its diacritics",
         Row("8986885", "Nova Štifta", "", "46.1", "14.8", "SI", "", "500"), "Nova Stifta", 46.1,
         14.8, 500},
        {"an ascii name that is not ASCII is made so",
         Row("3031659", "Bonnœuvre", "Bonnœuvre", "47.52", "-1.23", "FR", "", "40"), "Bonnoeuvre",
         47.52, -1.23, 40},
        {"a carriage return at the end", Row("3", "Crlf", "Crlf", "1", "1", "FR", "", "7") + "\r",
         "Crlf", 1, 1, 7},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto place = ParsePlace(c.line, &error);
        ASSERT_TRUE(place.has_value()) << c.label << ": " << error;
        EXPECT_EQ(place->name, c.name) << c.label;
        EXPECT_EQ(place->latitude, c.latitude) << c.label;
        EXPECT_EQ(place->longitude, c.longitude) << c.label;
        EXPECT_EQ(place->altitude, c.altitude) << c.label;
        EXPECT_EQ(place->population, 602u) << c.label;
    }
}

TEST(GeoNamesRow, APopulationThatCannotBeReadIsNone) {
    std::string line = Row("4", "Empty", "Empty", "1", "2", "MX", "", "7");
    line.replace(line.find("\t602\t"), 5, "\t\t");
    const auto place = ParsePlace(line, nullptr);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->population, 0u);
}

TEST(GeoNamesRow, RefusesMalformedRows) {
    const struct {
        std::string line;
        const char* error;
    } cases[] = {
        {"1\tName\tName\t\t1\t2\tP\tPPL\tFR", "19 tab-separated columns"},
        {Row("x1", "A", "A", "1", "2", "FR", "", ""), "geonameid"},
        {Row("1", "A", "A", "north", "2", "FR", "", ""), "latitude"},
        {Row("1", "A", "A", "91", "2", "FR", "", ""), "latitude"},
        {Row("1", "A", "A", "1", "180.5", "FR", "", ""), "longitude"},
        {Row("1", "A", "A", "1", "2", "", "", ""), "country code"},
        {Row("1", "A", "A", "1", "2", "FRA", "", ""), "country code"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParsePlace(c.line, &error).has_value()) << c.line;
        EXPECT_THAT(error, HasSubstr(c.error)) << c.line;
    }
}

TEST(GeoNamesAscii, DropsDiacriticsAndWhatHasNoASCIIForm) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"Villiers-en-Desœuvre", "Villiers-en-Desoeuvre"},
        {"Łódź", "Lodz"},
        {"Straße", "Strasse"},
        {"Curaçao", "Curacao"},
        {"Ak”yar", "Akyar"},
        {"Ţăndărei", "Tandarei"},
        {"Târgu Mureș", "Targu Mures"},
        {"Zürich  am\tSee ", "Zurich am See"},
        {"Ærøskøbing", "AEroskobing"},
        {"北京 Beijing", "Beijing"},
        {"bad\xFF byte\xC3", "bad byte"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToAscii(c.in), c.out) << c.in;
    }
}

constexpr const char* IsoSample = R"({
  "3166-1": [
    {"alpha_2": "AX", "alpha_3": "ALA", "name": "\u00c5land Islands", "numeric": "248"},
    {"alpha_2": "BO", "common_name": "Bolivia", "name": "Bolivia, Plurinational State of"},
    {"alpha_2": "MX", "name": "Mexico", "flag": "\ud83c\uddf2\ud83c\uddfd"},
    {"alpha_2": "CI", "name": "C\u00f4te d'Ivoire"},
    {"alpha_2": "ZM", "name": "Zambia", "numeric": 894, "extra": [true, null, {"x": []}]}
  ]
})";

TEST(IsoCountryNames, PrefersTheCommonName) {
    std::string error;
    const auto names = ParseIsoCountryNames(IsoSample, &error);
    ASSERT_TRUE(names.has_value()) << error;
    EXPECT_EQ(names->size(), 5u);
    EXPECT_EQ(names->at("BO"), "Bolivia");
    EXPECT_EQ(names->at("AX"), "\xC3\x85land Islands");
    std::vector<std::string> warnings;
    EXPECT_EQ(CountryName("AX", *names, &warnings), "Aland Islands");
    EXPECT_EQ(CountryName("CI", *names, &warnings), "Cote d'Ivoire");
    EXPECT_EQ(CountryName("XK", *names, &warnings), "Kosovo");
    EXPECT_THAT(warnings, IsEmpty());
    EXPECT_EQ(CountryName("QQ", *names, &warnings), "QQ");
    EXPECT_THAT(warnings, ElementsAre(HasSubstr("QQ")));
}

TEST(IsoCountryNames, RefusesWhatIsNotTheList) {
    for (const char* text :
         {"", "{\"3166-1\": [", "{\"3166-1\": {}}", "{\"other\": []}", "{\"3166-1\": []}",
          "{\"3166-1\": [{\"alpha_2\": \"X\\q\"}]}", "[1, 2] 3"}) {
        std::string error;
        EXPECT_FALSE(ParseIsoCountryNames(text, &error).has_value()) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

Place P(std::uint64_t id, std::string name, double lat, double lon, std::string code,
        double alt = 0, std::uint64_t population = 0) {
    return {id, std::move(name), lat, lon, alt, std::move(code), population};
}

std::vector<std::string> CityNames(const CountryCities& country) {
    std::vector<std::string> names;
    for (const CityRecord& city : country.cities) {
        names.push_back(city.cityName);
        EXPECT_EQ(city.countryName, country.name);
    }
    return names;
}

TEST(ArrangeCountries, OrdersCountriesAndCitiesByTheirBytes) {
    const auto iso = ParseIsoCountryNames(IsoSample, nullptr).value();
    const std::vector<Place> places = {
        P(1, "Lusaka", -15.4, 28.3, "ZM"),
        P(2, "Mariehamn", 60.1, 19.9, "AX"),
        P(3, "saban", 20.0, -88.5, "MX"),
        P(4, "Saban", 20.0, -88.6, "MX"),
        P(5, "San Juan", 19.0, -99.0, "MX"),
        P(6, "Pristina", 42.7, 21.2, "XK"),
        P(7, "", 0, 0, "MX"),
    };
    std::vector<std::string> warnings;
    const auto countries = ArrangeCountries(places, iso, &warnings);
    ASSERT_EQ(countries.size(), 4u);
    EXPECT_EQ(countries[0].name, "Aland Islands");
    EXPECT_EQ(countries[1].name, "Kosovo");
    EXPECT_EQ(countries[2].name, "Mexico");
    EXPECT_EQ(countries[3].name, "Zambia");
    EXPECT_THAT(CityNames(countries[2]), ElementsAre("Saban", "San Juan", "saban"));
    EXPECT_THAT(warnings, ElementsAre(HasSubstr("place 7")));
}

TEST(ArrangeCountries, TellsPlacesOfOneNameApartByTheirCoordinates) {
    const std::map<std::string, std::string> iso = {{"MX", "Mexico"}, {"GT", "Guatemala"}};
    const std::vector<Place> places = {
        P(10, "San Antonio", 20.11184, -97.48286, "MX", 21),
        P(11, "San Antonio", 21.62059, -98.90322, "MX", 24),
        P(12, "San Antonio de Abajo", 21.0, -98.0, "MX"),
        P(13, "Santa Ana", 19.1234, -99.1, "MX"),  // equal at two decimals: three are used
        P(14, "Santa Ana", 19.1244, -99.1, "MX"),
        P(15, "San Antonio", 15.0, -90.0, "GT"),  // alone in its country: no coordinates
        P(16, "Twin", 1.0, 2.0, "MX"),            // the very same place twice: the id decides
        P(17, "Twin", 1.0, 2.0, "MX"),
    };
    const auto countries = ArrangeCountries(places, iso, nullptr);
    ASSERT_EQ(countries.size(), 2u);
    EXPECT_THAT(CityNames(countries[0]), ElementsAre("San Antonio"));
    EXPECT_THAT(CityNames(countries[1]),
                ElementsAre("San Antonio (20.11, -97.48)", "San Antonio (21.62, -98.90)",
                            "San Antonio de Abajo", "Santa Ana (19.123, -99.100)",
                            "Santa Ana (19.124, -99.100)", "Twin (1.000000, 2.000000)",
                            "Twin (1.000000, 2.000000) #17"));
    EXPECT_EQ(countries[1].cities[1].altitude, 24);
    EXPECT_EQ(countries[1].cities[1].latitude, 21.62059);
}

TEST(ArrangeCountries, TheOneLargestOfPlacesOfOneNameKeepsThePlainName) {
    const std::map<std::string, std::string> iso = {{"MX", "Mexico"}};
    const std::vector<Place> places = {
        P(20, "San Luis Potosi", 16.6036, -91.64599, "MX", 0, 1200),
        P(21, "San Luis Potosi", 22.14982, -100.97916, "MX", 0, 677704),  // the state capital
        P(22, "San Luis Potosi", 32.50957, -115.12771, "MX", 0, 0),
        P(23, "Tie", 1.0, 2.0, "MX", 0, 500),  // no one largest: all told apart
        P(24, "Tie", 3.0, 4.0, "MX", 0, 500),
    };
    const auto countries = ArrangeCountries(places, iso, nullptr);
    ASSERT_EQ(countries.size(), 1u);
    EXPECT_THAT(
        CityNames(countries[0]),
        ElementsAre("San Luis Potosi", "San Luis Potosi (16.60, -91.65)",
                    "San Luis Potosi (32.51, -115.13)", "Tie (1.00, 2.00)", "Tie (3.00, 4.00)"));
    EXPECT_EQ(countries[0].cities[0].latitude, 22.14982);
}

// Written by the writer and read by the reader, every place of a country is listed exactly once.
TEST(ArrangeCountries, EveryPlaceIsListedByTheReader) {
    const std::map<std::string, std::string> iso = {{"MX", "Mexico"}};
    std::vector<Place> places;
    for (std::uint64_t i = 0; i < 40; ++i) {
        places.push_back(
            P(i, i % 2 == 0 ? "Same" : "Sable", 10.0 + static_cast<double>(i), -90.0, "MX"));
    }
    const auto countries = ArrangeCountries(places, iso, nullptr);
    CityDatabaseWriter writer;
    for (const auto& country : countries) {
        ASSERT_TRUE(writer.AddCountry(country));
    }
    ASSERT_TRUE(writer.AddCountryAtEnd("Not Valid"));
    salvenor::testing::TempFolder folder;
    ASSERT_TRUE(writer.WriteFiles(folder.path()));

    salvenor::testing::RecordingMessageBoxes boxes;
    const CityDatabase db(folder.path(), boxes);
    salvenor::testing::RecordingSink sink;
    auto table = std::make_unique<CityCoordinateTable>();
    int listed = 0;
    EXPECT_EQ(db.ListCitiesByLetter(db.FindCountryEntry(1).value(), 18, sink, *table, &listed),
              CityListOutcome::Listed);
    EXPECT_EQ(listed, 40);
    // The placeholder leads to the closing record, which lists nothing.
    const auto last = db.FindCountryEntry(0).value();
    EXPECT_EQ(last.name, "Not Valid");
    EXPECT_EQ(last.offset, writer.cityBytes().size());
}

}  // namespace
}  // namespace salvenor::geonames

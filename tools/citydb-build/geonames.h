// Turning the GeoNames cities table and the ISO 3166-1 country names into the countries and
// cities of the world city database (used by citydb-build and its tests).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "citydb/city_writer.h"

namespace salvenor::geonames {

// GeoNames marks a missing elevation model value with this.
inline constexpr int NoElevation = -9999;

// One row of the cities table, reduced to what the database keeps.
struct Place {
    std::uint64_t id = 0;
    std::string name;  // ASCII: the ascii name, or the transliterated name when that is empty
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;  // elevation, else the elevation model's value, else 0
    std::string countryCode;
    std::uint64_t population = 0;  // 0 where GeoNames gives none
};

// Parses one tab-separated row (19 columns: geonameid, name, asciiname, alternatenames,
// latitude, longitude, feature class, feature code, country code, cc2, admin1..4, population,
// elevation, dem, timezone, modification date). Empty with `error` set when it is malformed.
std::optional<Place> ParsePlace(std::string_view line, std::string* error);

// UTF-8 text to ASCII: letters with diacritics lose them (œ becomes oe, ß ss), other characters
// outside ASCII and control characters are dropped; runs of blanks become one, and the ends
// are trimmed.
std::string ToAscii(std::string_view utf8);

// ISO 3166-1 alpha-2 code -> country name from iso-codes' iso_3166-1.json: the common name
// where there is one, else the name. Empty with `error` set when the text cannot be read.
std::optional<std::map<std::string, std::string>> ParseIsoCountryNames(std::string_view json,
                                                                       std::string* error);

// The country name for a code: the ISO name in ASCII, a name for the codes GeoNames uses beyond
// ISO 3166-1 (XK Kosovo), else the code itself (reported in `warnings`).
std::string CountryName(const std::string& code, const std::map<std::string, std::string>& iso,
                        std::vector<std::string>* warnings);

// The database content: countries in byte order of their names, each with its cities in byte
// order of their names. Places of one country that share a name get their coordinates added
// ("San Antonio (20.11, -97.48)") so that every one of them stays listed: the reader drops a
// name equal to the one just before it. The most populous of them, when one is larger than all
// the others, keeps the plain name: it comes first, so the place a user most likely means ("San
// Luis Potosi", the state capital, not a village of the same name) is the one typing its name
// finds.
std::vector<CountryCities> ArrangeCountries(const std::vector<Place>& places,
                                            const std::map<std::string, std::string>& iso,
                                            std::vector<std::string>* warnings);

}  // namespace salvenor::geonames

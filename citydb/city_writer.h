// Writing the world city database: the country summary ".\world.sum" and the city file
// ".\IndexWorld.zav", byte for byte in the layout the reader expects. Used by the builder tool
// and by the tests, which also make damaged files with the raw append helpers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "base/binary_coding.h"
#include "citydb/city_database.h"

namespace salvenor {

// Country name, city name, latitude, longitude, altitude.
void AppendCityRecord(std::string& out, const CityRecord& record);
// Country name and the offset of its first city record.
void AppendCountryEntry(std::string& out, const CountryEntry& entry);

// One country of the usual layout: its name and its cities, written as one block.
struct CountryCities {
    std::string name;
    std::vector<CityRecord> cities;  // each record's countryName is written as it is
};

// The bytes of both files, built in memory and written at once.
class CityDatabaseWriter {
  public:
    // Appends the country's summary record, pointing at the current end of the city file, and
    // then its cities. False (and nothing appended) when the offset does not fit 32 bits.
    bool AddCountry(const CountryCities& country);
    // A summary record for a country without cities of its own: it points at the current end
    // of the city file (the builder's closing "Not Valid" record).
    bool AddCountryAtEnd(std::string_view name);

    // Raw appends, for layouts the usual order does not give (two runs, damaged records).
    std::string& summaryBytes() { return summary_; }
    std::string& cityBytes() { return cities_; }
    const std::string& summaryBytes() const { return summary_; }
    const std::string& cityBytes() const { return cities_; }

    // Writes ".\world.sum" and ".\IndexWorld.zav" into `directory`, each replaced atomically
    // (ReplaceFileAtomically). False when a file could not be written; `error` says why.
    bool WriteFiles(const std::string& directory, std::string* error = nullptr) const;

  private:
    std::string summary_;
    std::string cities_;
};

}  // namespace salvenor

// Reading the world city database: the country summary ".\world.sum" and the city file
// ".\IndexWorld.zav". Nothing is kept between calls: each operation opens the file it needs,
// reads it and closes it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"

namespace salvenor {

inline constexpr const char* CountrySummaryFile = ".\\world.sum";
inline constexpr const char* CityIndexFile = ".\\IndexWorld.zav";
inline constexpr int MaxListedCities = 5000;

struct CountryEntry {
    std::string name;
    std::uint32_t offset = 0;  // of the country's first record in the city file
    bool operator==(const CountryEntry&) const = default;
};

struct CityRecord {
    std::string countryName;
    std::string cityName;
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
};

struct CityCoordinates {
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
};

// One city of a country's block, in the order of the city file.
struct CityEntry {
    std::string name;
    CityCoordinates coordinates;
};

// Entry i belongs to the i-th name given to the sink.
using CityCoordinateTable = std::array<CityCoordinates, MaxListedCities>;

// The receiver of the listed names (the selection page's city list).
class CitySink {
  public:
    enum class AddResult { Added, Error, NoSpace };
    virtual ~CitySink() = default;
    virtual void clear() = 0;
    virtual AddResult add(std::string_view name) = 0;
};

enum class CityListOutcome {
    Listed,            // at least one city listed, or no record at the entry's offset
    NoCityWithLetter,  // records were read but none was listed
    SinkError,
    SinkNoSpace,
    FileError,      // the city file could not be opened; "%1 was not found." has been shown
    ListedDamaged,  // as Listed, but records no place can have were left out (reported once)
};

class CityDatabase {
  public:
    // `directory` is the folder the stored names are relative to (the working directory).
    CityDatabase(std::string directory, MessageBoxes& boxes);

    // The names of all summary records, in file order; empty after a reported file error or a
    // summary reported damaged (a country without a name, offsets that do not rise or that point
    // past the end of the city file). An empty or cut summary is a short read (see ExactReader).
    std::optional<std::vector<std::string>> ReadCountryNames() const;

    // The entry shown at `position` of the country list, whose position 0 is the placeholder:
    // k >= 1 gives record k - 1; the placeholder, -1 and positions past the end give the last
    // record. Empty after a file error.
    std::optional<CountryEntry> FindCountryEntry(int position) const;

    // Lists the cities of the entry's block whose names begin with letter `letterIndex`
    // (0 = A .. 25 = Z, either case; any other index matches no name), their coordinates into
    // `table`, their names into `sink`. `listed` receives the number of cities listed (-1 when
    // no record could be read).
    CityListOutcome ListCitiesByLetter(const CountryEntry& entry, int letterIndex, CitySink& sink,
                                       CityCoordinateTable& table, int* listed = nullptr) const;

    // Every city of the entry's block, in file order, by the listing's rules for a block (records
    // no place can have are left out and reported once, as are records without a name and a name
    // equal to the one before it). Empty after a file error, which has been reported.
    std::optional<std::vector<CityEntry>> ReadCountryCities(const CountryEntry& entry) const;

  private:
    // Every summary record, checked; empty after a reported error.
    std::optional<std::vector<CountryEntry>> ReadSummary() const;
    void ReportDamage(const char* what) const;

    std::string directory_;
    MessageBoxes& boxes_;
};

}  // namespace salvenor

// The writer of the two database files.
#include "citydb/city_writer.h"

#include <limits>

#include "core/paths.h"

namespace salvenor {

void AppendCityRecord(std::string& out, const CityRecord& record) {
    AppendCountedString(out, record.countryName);
    AppendCountedString(out, record.cityName);
    AppendF64(out, record.latitude);
    AppendF64(out, record.longitude);
    AppendF64(out, record.altitude);
}

void AppendCountryEntry(std::string& out, const CountryEntry& entry) {
    AppendCountedString(out, entry.name);
    AppendU32(out, entry.offset);
}

bool CityDatabaseWriter::AddCountry(const CountryCities& country) {
    if (!AddCountryAtEnd(country.name)) {
        return false;
    }
    for (const CityRecord& city : country.cities) {
        AppendCityRecord(cities_, city);
    }
    return true;
}

bool CityDatabaseWriter::AddCountryAtEnd(std::string_view name) {
    if (cities_.size() > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    AppendCountryEntry(summary_, {std::string(name), static_cast<std::uint32_t>(cities_.size())});
    return true;
}

bool CityDatabaseWriter::WriteFiles(const std::string& directory, std::string* error) const {
    const auto pathOf = [&directory](const char* stored) {
        const std::string native = NativePath(stored);
        return directory.empty() ? native : directory + "/" + native;
    };
    return ReplaceFileAtomically(pathOf(CityIndexFile), cities_, error) &&
           ReplaceFileAtomically(pathOf(CountrySummaryFile), summary_, error);
}

}  // namespace salvenor

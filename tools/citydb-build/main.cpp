// citydb-build: writes the world city database (".\world.sum" and ".\IndexWorld.zav") from the
// GeoNames cities table and the ISO 3166-1 country names of iso-codes.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "citydb/city_writer.h"
#include "core/texts.h"
#include "tools/citydb-build/geonames.h"

namespace {

constexpr const char* Usage =
    "Usage: citydb-build --geonames cities500.txt --iso-codes iso_3166-1.json --output DIR\n";

int Fail(const std::string& message) {
    std::cerr << "citydb-build: " << message << '\n';
    return 1;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = std::move(buffer).str();
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    namespace geonames = salvenor::geonames;
    std::string geonamesPath;
    std::string isoPath;
    std::string outputDir;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--geonames" && hasValue) {
            geonamesPath = args[++i];
        } else if (args[i] == "--iso-codes" && hasValue) {
            isoPath = args[++i];
        } else if (args[i] == "--output" && hasValue) {
            outputDir = args[++i];
        } else {
            std::cerr << Usage;
            return 2;
        }
    }
    if (geonamesPath.empty() || isoPath.empty() || outputDir.empty()) {
        std::cerr << Usage;
        return 2;
    }

    std::string isoText;
    if (!ReadWholeFile(isoPath, isoText)) {
        return Fail("cannot read " + isoPath + " (Debian's iso-codes package provides it)");
    }
    std::string error;
    const auto iso = geonames::ParseIsoCountryNames(isoText, &error);
    if (!iso) {
        return Fail(isoPath + ": " + error);
    }

    std::ifstream in(geonamesPath, std::ios::binary);
    if (!in) {
        return Fail("cannot read " + geonamesPath);
    }
    std::vector<geonames::Place> places;
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (line.empty()) {
            continue;
        }
        auto place = geonames::ParsePlace(line, &error);
        if (!place) {
            return Fail(geonamesPath + ":" + std::to_string(lineNumber) + ": " + error);
        }
        places.push_back(std::move(*place));
    }
    if (in.bad()) {
        return Fail("error reading " + geonamesPath);
    }

    std::vector<std::string> warnings;
    const auto countries = geonames::ArrangeCountries(places, *iso, &warnings);
    for (const std::string& warning : warnings) {
        std::cerr << "citydb-build: warning: " << warning << '\n';
    }

    // The summary ends with the record the selection page refuses, so that its "Chose Country"
    // placeholder (which takes the last record) cannot choose a real country by accident.
    salvenor::CityDatabaseWriter writer;
    std::size_t cities = 0;
    for (const auto& country : countries) {
        if (!writer.AddCountry(country)) {
            return Fail("the city file outgrows its 32-bit offsets");
        }
        cities += country.cities.size();
    }
    if (!writer.AddCountryAtEnd(salvenor::texts::InvalidCountryName)) {
        return Fail("the city file outgrows its 32-bit offsets");
    }
    if (!writer.WriteFiles(outputDir, &error)) {
        return Fail(error);
    }
    std::cout << "citydb-build: " << countries.size() << " countries, " << cities
              << " cities written to " << outputDir << '\n';
    return 0;
}

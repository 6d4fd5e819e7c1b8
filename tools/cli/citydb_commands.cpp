// salvenor-cli commands over the world city database in the current folder: countries, cities.
#include <climits>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "citydb/city_database.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "platform/message_boxes.h"
#include "tools/cli/cli_common.h"
#include "tools/cli/commands.h"

namespace salvenor::cli {

namespace {

// Collects the listed names; they are printed once the listing is complete.
class NameCollector final : public CitySink {
  public:
    void clear() override { names.clear(); }
    AddResult add(std::string_view name) override {
        try {
            names.emplace_back(name);
        } catch (const std::bad_alloc&) {
            return AddResult::NoSpace;
        }
        return AddResult::Added;
    }

    std::vector<std::string> names;
};

// "A".."Z" or "a".."z" -> 0..25.
std::optional<int> LetterIndex(const std::string& text) {
    if (text.size() != 1) {
        return std::nullopt;
    }
    const char c = text.front();
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a';
    }
    return std::nullopt;
}

}  // namespace

int RunCountries(const Args& args) {
    if (!args.empty()) {
        return UsageError("countries takes no arguments");
    }
    StderrMessageBoxes boxes;
    const CityDatabase database(".", boxes);
    const auto names = database.ReadCountryNames();
    if (!names) {
        return ExitFailure;
    }
    std::cout << texts::ChoseCountry << '\n';
    for (const std::string& name : *names) {
        std::cout << name << '\n';
    }
    return ExitOk;
}

int RunCities(const Args& args) {
    if (args.size() != 2) {
        return UsageError("cities takes POSITION LETTER (salvenor-cli --help)");
    }
    const auto position = ParseInteger(args[0], 0, INT_MAX);
    if (!position) {
        return UsageError("POSITION must be a whole number, 0 for the placeholder: '" + args[0] +
                          "'");
    }
    const auto letter = LetterIndex(args[1]);
    if (!letter) {
        return UsageError("LETTER must be one letter from A to Z: '" + args[1] + "'");
    }

    StderrMessageBoxes boxes;
    const CityDatabase database(".", boxes);
    const auto entry = database.FindCountryEntry(static_cast<int>(*position));
    if (!entry) {
        return ExitFailure;
    }
    NameCollector sink;
    const auto table = std::make_unique<CityCoordinateTable>();
    int status = ExitOk;
    int listed = 0;
    switch (database.ListCitiesByLetter(*entry, *letter, sink, *table, &listed)) {
        case CityListOutcome::Listed:
            if (listed < 0) {
                // No record at the entry's offset: the placeholder's "Not Valid" record (also
                // what a position past the end gives), or a country without cities.
                boxes.show(entry->name == texts::InvalidCountryName ? texts::InvalidCountry
                                                                    : texts::NoCitiesInCountry);
                return ExitFailure;
            }
            break;
        case CityListOutcome::ListedDamaged:
            status = ExitFailure;  // reported; the cities that are places are still listed
            break;
        case CityListOutcome::NoCityWithLetter:
            boxes.show(texts::NoCityWithLetter);
            return ExitFailure;
        case CityListOutcome::SinkError:
            boxes.show(texts::CityListError);
            return ExitFailure;
        case CityListOutcome::SinkNoSpace:
            boxes.show(texts::CityListNoMemory);
            return ExitFailure;
        case CityListOutcome::FileError:
            return ExitFailure;
    }
    for (std::size_t i = 0; i < sink.names.size(); ++i) {
        const CityCoordinates& c = (*table)[i];
        std::cout << sink.names[i]
                  << StrPrintf("\t%.15g\t%.15g\t%.15g\n", c.latitude, c.longitude, c.altitude);
    }
    return status;
}

}  // namespace salvenor::cli

// The convention and Asr school each country's authorities publish their prayer times with,
// keyed by the country names of the city database. The Calculation page proposes the row of the
// country the user picks; a country without a row gets the Muslim World League's convention.
#pragma once

#include <span>
#include <string_view>

#include "core/calculation_options.h"

namespace salvenor {

struct CountryConvention {
    std::string_view country;     // as the city database names it ("United Kingdom")
    std::string_view convention;  // a row of Conventions()
    AsrShadow asr = AsrShadow::Standard;
    std::string_view source;  // whose timetables follow it
};

// The rows, in alphabetical order of the country.
std::span<const CountryConvention> CountryConventions();

// The convention for the country: its row, or the Muslim World League with the standard Asr.
CountryConvention ConventionForCountry(std::string_view country);

}  // namespace salvenor

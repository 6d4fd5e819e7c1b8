// Numbers as the settings windows show and read them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace salvenor {

// Up to 15 significant digits in the shortest general notation ("%.*g" with precision 15).
std::string FormatDouble15(double value);

// The floating-point number at the start of the text, leading blanks passed over and whatever
// follows ignored; empty when the text does not start with a number.
std::optional<double> ScanLeadingDouble(std::string_view text);

// The decimal integer (optional sign) at the start of the text, leading blanks passed over and
// whatever follows ignored; empty when the text does not start with one or it does not fit.
std::optional<long long> ScanLeadingInteger(std::string_view text);

// A place typed as coordinates, written plainly: two decimals and the hemisphere letters, latitude
// first ("40.70 N, 73.95 W"). Stored as the city name of such a place.
std::string FormatCoordinates(double latitude, double longitude);

}  // namespace salvenor

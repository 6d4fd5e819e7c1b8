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

}  // namespace salvenor

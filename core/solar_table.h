// The built-in table of the sun's equation of time and declination, one row per day of a leap
// year (row 0 = 1 January, row 59 = 29 February, row 365 = 31 December).
#pragma once

#include <array>

namespace salvenor {

struct SolarDay {
    double equationOfTime;  // size, minutes and seconds written as m.ss (3.12 = 3 min 12 s)
    double sign;            // +1.0 when the sun is slow (mean noon after 12:00), -1.0 when fast
    double declination;     // degrees and arc-minutes written as d.mm, signed (-23.04)
};

extern const std::array<SolarDay, 366> SolarDayTable;

}  // namespace salvenor

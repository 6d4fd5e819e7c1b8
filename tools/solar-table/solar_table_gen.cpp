// solar-table-gen: computes the built-in solar table (the sun's equation of time and declination
// for each day of a leap year) and writes it as C++ source, core/solar_table.cpp.
//
// Solar position: the low-accuracy formulas of J. Meeus, "Astronomical Algorithms" (2nd ed.,
// Willmann-Bell 1998), chapter 25 (solar coordinates, about 0.01 degree) and chapter 28 (the
// equation of time, formula 28.3), the formulas NOAA's solar calculator is built on.
//
// Usage: solar-table-gen [output.cpp]    writes the source (to standard output without a path)
//        solar-table-gen --check file.cpp  exits 1 unless the file holds exactly that source
//
// How the table is made:
// 1. Twenty-one rows are established values that the program has always used; they are kept
//    exactly. They come from an almanac that follows the formula only loosely:
//    compared with 2008 at 12:00 UT they lie about a day early, and not by the same amount all
//    year (at the fitted instant January's equation of time runs some 20 s above the formula's,
//    June's some 10 s below it).
// 2. The formula's instant is fitted: one offset in days for the whole year, the one (on a grid of
//    15 minutes) with the least squared mismatch against the established rows, counting seconds
//    of time and arc-minutes alike.
// 3. What is left of the mismatch is spread linearly between consecutive established rows and
//    added to the formula's values, so that the table runs smoothly through every established row.
// 4. The equation of time is rounded to whole seconds and written m.ss with a separate sign
//    (+1.0 when the sun is slow, i.e. mean-time noon falls after 12:00); the declination is
//    rounded to whole arc-minutes and written d.mm, signed. The declination is capped at the
//    established extremes (23 deg 26 min) so that the solstice rows never exceed them.
// 5. The sign column must run exactly as the established ranges say (+1 on rows 0..105,
//    -1 on 106..165, +1 on 166..244, -1 on 245..359, +1 on 360..365). A row whose rounded
//    equation of time is zero takes the sign of its range; a row whose sign would disagree with
//    its range is forced to it with its magnitude kept, and reported on standard error (the
//    established rows bracket every zero crossing, so this does not happen with the current fit).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Rad = Pi / 180.0;

constexpr int Rows = 366;
// Julian day of 1 January 2008, 00:00 UT (a leap year: row r is day r of that year).
constexpr double JulianDay2008 = 2454466.5;
// The solstice extremes of the established rows, in arc-minutes (23 deg 26 min).
constexpr int MaxDeclinationArcMinutes = 23 * 60 + 26;

struct EstablishedRow {
    int row;
    double equationOfTime;  // m.ss
    double sign;
    double declination;  // d.mm
};

constexpr std::array<EstablishedRow, 21> Established = {{
    {0, 3.12, +1.0, -23.04},   {1, 3.40, +1.0, -22.59},    {2, 4.08, +1.0, -22.54},
    {42, 14.20, +1.0, -13.58}, {59, 12.42, +1.0, -8.03},   {60, 12.34, +1.0, -7.49},
    {80, 7.28, +1.0, 0.00},    {105, 0.14, +1.0, 9.33},    {106, 0.01, -1.0, 9.54},
    {165, 0.03, -1.0, 23.14},  {166, 0.10, +1.0, 23.17},   {171, 1.15, +1.0, 23.26},
    {244, 0.12, +1.0, 8.30},   {245, 0.07, -1.0, 8.09},    {266, 7.22, -1.0, 0.10},
    {267, 7.43, -1.0, -0.14},  {307, 16.23, -1.0, -14.53}, {355, 2.13, -1.0, -23.26},
    {359, 0.13, -1.0, -23.25}, {360, 0.17, +1.0, -23.23},  {365, 2.43, +1.0, -23.08},
}};

// The sign column by rows, as established.
int ExpectedSign(int row) {
    if (row <= 105) {
        return +1;
    }
    if (row <= 165) {
        return -1;
    }
    if (row <= 244) {
        return +1;
    }
    if (row <= 359) {
        return -1;
    }
    return +1;
}

// m.ss or d.mm (with its sign) as a whole number of seconds or arc-minutes.
int DecodeSexagesimal(double encoded) {
    const long hundredths = std::lround(std::fabs(encoded) * 100.0);
    const int magnitude = static_cast<int>(hundredths / 100 * 60 + hundredths % 100);
    return encoded < 0 ? -magnitude : magnitude;
}

struct SolarPosition {
    double sunSlowSeconds;  // mean time minus apparent time, in seconds of time
    double declinationArcMinutes;
};

// Meeus ch. 25 (low accuracy) and ch. 28 (formula 28.3) at the given Julian day.
SolarPosition ComputeSolarPosition(double julianDay) {
    const double t = (julianDay - 2451545.0) / 36525.0;
    const double meanLongitude = std::fmod(280.46646 + 36000.76983 * t + 0.0003032 * t * t, 360.0);
    const double meanAnomaly = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
    const double eccentricity = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    const double m = meanAnomaly * Rad;
    const double center = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = (125.04 - 1934.136 * t) * Rad;
    const double apparentLongitude =
        (meanLongitude + center - 0.00569 - 0.00478 * std::sin(omega)) * Rad;
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = (meanObliquity + 0.00256 * std::cos(omega)) * Rad;
    const double declination = std::asin(std::sin(obliquity) * std::sin(apparentLongitude));

    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = meanLongitude * Rad;
    const double e = eccentricity;
    const double eotRadians = y * std::sin(2 * l0) - 2 * e * std::sin(m) +
                              4 * e * y * std::sin(m) * std::cos(2 * l0) -
                              0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m);
    // Apparent minus mean time in minutes of time is 4 x the angle in degrees.
    const double eotMinutes = 4.0 * eotRadians / Rad;
    return {-eotMinutes * 60.0, declination / Rad * 60.0};
}

std::vector<SolarPosition> FormulaRows(double offsetDays) {
    std::vector<SolarPosition> rows;
    rows.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        rows.push_back(ComputeSolarPosition(JulianDay2008 + r + 0.5 + offsetDays));
    }
    return rows;
}

double Mismatch(const std::vector<SolarPosition>& rows) {
    double sum = 0;
    for (const auto& g : Established) {
        const double de = rows[g.row].sunSlowSeconds - g.sign * DecodeSexagesimal(g.equationOfTime);
        const double dd = rows[g.row].declinationArcMinutes - DecodeSexagesimal(g.declination);
        sum += de * de + dd * dd;
    }
    return sum;
}

struct TableRow {
    int sunSlowSeconds;
    int sign;
    int declinationArcMinutes;
};

std::string EncodeSexagesimal(int magnitude) {
    const std::string frac = std::to_string(magnitude % 60);
    return std::to_string(magnitude / 60) + "." + (frac.size() < 2 ? "0" : "") + frac;
}

const std::array<const char*, 12> MonthAbbrevs = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<int, 12> LeapMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string DateOfRow(int row) {
    int month = 0;
    while (row >= LeapMonthDays[month]) {
        row -= LeapMonthDays[month];
        ++month;
    }
    return std::to_string(row + 1) + " " + MonthAbbrevs[month];
}

std::string FormatOffset(double offsetDays) {
    const long minutes = std::lround(offsetDays * 24 * 60);
    const long whole = std::labs(minutes);
    std::ostringstream out;
    out << (minutes < 0 ? "-" : "+") << whole / 60 << " h " << whole % 60 << " min";
    return out.str();
}

void WriteSource(std::ostream& out, const std::vector<TableRow>& table, double offsetDays) {
    out << "// The sun's equation of time and declination for each day of a leap year, built into "
           "the\n"
           "// program. Generated by tools/solar-table: `solar-table-gen core/solar_table.cpp` (or "
           "the\n"
           "// solar-table-regenerate target); do not edit by hand.\n"
           "// Meeus, \"Astronomical Algorithms\", ch. 25 and 28, at 12:00 UT of each day of 2008 "
           "moved\n"
           "// by "
        << FormatOffset(offsetDays)
        << ", run through the 21 established rows, rounded to whole seconds and\n"
           "// arc-minutes.\n"
           "#include \"core/solar_table.h\"\n"
           "\n"
           "namespace salvenor {\n"
           "\n"
           "// {equation of time m.ss, sign (+1.0 sun slow), declination d.mm}, row: date\n"
           "// clang-format off\n"
           "const std::array<SolarDay, 366> SolarDayTable = {{\n";
    for (int r = 0; r < Rows; ++r) {
        const TableRow& row = table[r];
        const int dec = row.declinationArcMinutes;
        out << "    {" << EncodeSexagesimal(std::abs(row.sunSlowSeconds)) << ", "
            << (row.sign > 0 ? "+1.0" : "-1.0") << ", " << (dec < 0 ? "-" : "")
            << EncodeSexagesimal(std::abs(dec)) << "},  // " << r << ": " << DateOfRow(r) << "\n";
    }
    out << "}};\n"
           "// clang-format on\n"
           "\n"
           "}  // namespace salvenor\n";
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc > 2 && !check) {
        std::cerr << "usage: solar-table-gen [output.cpp] | --check file.cpp\n";
        return 2;
    }

    // 2. The instant: one offset for the whole year, least squares on a 15-minute grid.
    double bestOffset = 0;
    double bestMismatch = std::numeric_limits<double>::infinity();
    for (int step = -3 * 96; step <= 1 * 96; ++step) {
        const double offset = step / 96.0;
        const double mismatch = Mismatch(FormulaRows(offset));
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            bestOffset = offset;
        }
    }
    const std::vector<SolarPosition> formula = FormulaRows(bestOffset);

    // 3. The rest of the mismatch, spread linearly between consecutive established rows (the
    // first and last rows are established, so every row lies between two of them).
    std::vector<double> eot(Rows);
    std::vector<double> dec(Rows);
    for (std::size_t k = 0; k + 1 < Established.size(); ++k) {
        const EstablishedRow& a = Established[k];
        const EstablishedRow& b = Established[k + 1];
        const double eotA =
            a.sign * DecodeSexagesimal(a.equationOfTime) - formula[a.row].sunSlowSeconds;
        const double eotB =
            b.sign * DecodeSexagesimal(b.equationOfTime) - formula[b.row].sunSlowSeconds;
        const double decA = DecodeSexagesimal(a.declination) - formula[a.row].declinationArcMinutes;
        const double decB = DecodeSexagesimal(b.declination) - formula[b.row].declinationArcMinutes;
        for (int r = a.row; r <= b.row; ++r) {
            const double t = static_cast<double>(r - a.row) / (b.row - a.row);
            eot[r] = formula[r].sunSlowSeconds + (1 - t) * eotA + t * eotB;
            dec[r] = formula[r].declinationArcMinutes + (1 - t) * decA + t * decB;
        }
    }

    // 4. and 5. Rounding, the cap at the solstices and the sign column.
    std::vector<TableRow> table(Rows);
    int forcedSigns = 0;
    for (int r = 0; r < Rows; ++r) {
        const int seconds = static_cast<int>(std::lround(eot[r]));
        const int arcMinutes = std::clamp(static_cast<int>(std::lround(dec[r])),
                                          -MaxDeclinationArcMinutes, MaxDeclinationArcMinutes);
        const int expected = ExpectedSign(r);
        if (seconds != 0 && (seconds > 0 ? 1 : -1) != expected) {
            ++forcedSigns;
            std::cerr << "row " << r << ": sign forced to " << expected << " (" << seconds
                      << " s)\n";
        }
        table[r] = {expected * std::abs(seconds), expected, arcMinutes};
    }

    // 1. The established rows, exactly.
    for (const auto& g : Established) {
        table[g.row] = {static_cast<int>(g.sign) * DecodeSexagesimal(g.equationOfTime),
                        static_cast<int>(g.sign), DecodeSexagesimal(g.declination)};
    }

    std::cerr << "offset " << bestOffset << " days (" << FormatOffset(bestOffset)
              << "), squared mismatch " << bestMismatch << ", signs forced " << forcedSigns << "\n";

    if (check) {
        std::ostringstream expected;
        WriteSource(expected, table, bestOffset);
        std::ifstream file(argv[2], std::ios::binary);
        std::ostringstream actual;
        actual << file.rdbuf();
        if (!file || actual.str() != expected.str()) {
            std::cerr << argv[2] << " is not the generator's output; regenerate it\n";
            return 1;
        }
    } else if (argc == 2) {
        std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
        WriteSource(file, table, bestOffset);
        file.flush();
        if (!file) {
            std::cerr << "cannot write " << argv[1] << "\n";
            return 1;
        }
    } else {
        WriteSource(std::cout, table, bestOffset);
    }
    return 0;
}

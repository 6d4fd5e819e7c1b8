// How the times are calculated beyond the four built-in ways: the Asr shadow, a table of the
// conventions the world's authorities publish (or custom angles), minutes added to each time, the
// rule for a Fajr or Isha the sun never reaches, the sun's position (the built-in table or
// computed for the date) and a shift of the Hijri day. Every default is the program's original
// behaviour, so a default CalculationOptions gives exactly the times it always gave.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace salvenor {

// The length of the shadow, in object lengths, at which Asr begins (beyond the noon shadow).
enum class AsrShadow : int { Standard = 1, Hanafi = 2 };

// Where the Fajr or Isha angle is not reached (the white nights of high latitudes).
enum class HighLatitudeRule : int {
    SeventhOfNight = 0,  // a seventh of the night before sunrise / after sunset (the default)
    MiddleOfNight = 1,   // half of the night
    AngleBased = 2,      // angle / 60 of the night
};

// Where the sun's declination and the equation of time come from.
enum class SunModel : int {
    Table = 0,     // the built-in table of one year (the default)
    Computed = 1,  // a solar-position algorithm for the actual date
};

// One published convention: a row of the conventions table.
struct Convention {
    std::string_view name;   // the command line's and salvenor.ini's name: "karachi"
    std::string_view label;  // what the Calculation page lists
    double fajrAngle = 18;
    double ishaAngle = 17;       // unused when ishaMinutes > 0
    int ishaMinutes = 0;         // Isha this many minutes after Maghrib (0: by angle)
    int ramadanIshaMinutes = 0;  // in Ramadan, when the convention says so (0: as ishaMinutes)
    double maghribAngle = 0;     // Maghrib when the sun is this far below the horizon (0: sunset)
    bool seasonalTwilight = false;  // Fajr/Isha bounded by the seasonal twilight of the
                                    // Moonsighting Committee (shafaq general)
    bool nightEndsAtFajr = false;   // the night the high-latitude rule divides ends at Fajr, not
                                    // at sunrise (Tehran's midnight: halfway from sunset to Fajr)
    std::array<int, 6> minuteOffsets{};  // the convention's own published minutes, by PrayerIndex
    std::string_view source;             // who publishes it, and where
};

// The table, in the order the Calculation page and `salvenor-cli conventions` list it.
std::span<const Convention> Conventions();

// The row named `name`, or nullptr.
const Convention* FindConvention(std::string_view name);

// The range of the minutes a user adds to one time, and of the Hijri day shift.
inline constexpr int MinAdjustMinutes = -30;
inline constexpr int MaxAdjustMinutes = 30;
inline constexpr int MinHijriAdjustDays = -2;
inline constexpr int MaxHijriAdjustDays = 2;

// The custom convention's twilight angles, in degrees below the horizon (the published
// conventions lie between 12 and 20), and its Isha interval after Maghrib in minutes.
inline constexpr double MinCustomAngle = 10;
inline constexpr double MaxCustomAngle = 25;
inline constexpr int MaxCustomIshaMinutes = 180;

// The convention name that means "the angles below" rather than a row of the table.
inline constexpr std::string_view CustomConventionName = "custom";

struct CalculationOptions {
    // Empty: the built-in way stored in zav.cfg (PrayerSettings::calculationWay), as always.
    // Otherwise the name of a row of the table, or CustomConventionName.
    std::string convention{};
    // The custom convention's angles; Isha by minutes after Maghrib when customIshaMinutes > 0.
    double customFajrAngle = 18;
    double customIshaAngle = 17;
    int customIshaMinutes = 0;

    AsrShadow asr = AsrShadow::Standard;
    // Minutes added to each time, by PrayerIndex, on top of the convention's own.
    std::array<int, 6> adjustMinutes{};
    HighLatitudeRule highLatitude = HighLatitudeRule::SeventhOfNight;
    SunModel sun = SunModel::Table;
    // Days added to the arithmetic Hijri date wherever one is shown or used.
    int hijriAdjustDays = 0;

    bool operator==(const CalculationOptions&) const = default;
};

// Whether every choice lies in its range and the convention names a row, "custom" or nothing.
bool ValidCalculationOptions(const CalculationOptions& options);

}  // namespace salvenor

// The calculation choices in salvenor.ini (section [calculation]) and the names the file and the
// command line give them. A value out of range, or a name the program does not know, reads as
// the default of that one choice; the other choices keep what the file says.
// Its keys: README.md, "What Salvenor saves, and when".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/calculation_options.h"
#include "platform/settings_file.h"

namespace salvenor {

// The keys of the [calculation] section.
namespace calculation_keys {
inline constexpr char Convention[] = "calculation/convention";
inline constexpr char FajrAngle[] = "calculation/fajrAngle";
inline constexpr char IshaAngle[] = "calculation/ishaAngle";
inline constexpr char IshaMinutes[] = "calculation/ishaMinutes";
inline constexpr char Asr[] = "calculation/asr";
// By PrayerIndex: Fajr, sunrise, Thuhr, Asr, Maghrib, Isha.
inline constexpr const char* AdjustMinutes[6] = {
    "calculation/adjustFajr", "calculation/adjustSunrise", "calculation/adjustThuhr",
    "calculation/adjustAsr",  "calculation/adjustMaghrib", "calculation/adjustIsha"};
inline constexpr char HighLatitude[] = "calculation/highLatitude";
inline constexpr char Sun[] = "calculation/sun";
inline constexpr char HijriAdjust[] = "calculation/hijriAdjust";
}  // namespace calculation_keys

// One named value of a choice.
template <typename T>
struct ChoiceName {
    T value;
    std::string_view name;
};

// The names of the choices, as salvenor.ini and the command line write them (default first).
std::span<const ChoiceName<AsrShadow>> AsrShadowNames();
std::span<const ChoiceName<HighLatitudeRule>> HighLatitudeNames();
std::span<const ChoiceName<SunModel>> SunModelNames();

std::optional<AsrShadow> ParseAsrShadow(std::string_view name);
std::optional<HighLatitudeRule> ParseHighLatitudeRule(std::string_view name);
std::optional<SunModel> ParseSunModel(std::string_view name);
std::string_view NameOf(AsrShadow value);
std::string_view NameOf(HighLatitudeRule value);
std::string_view NameOf(SunModel value);

// Whether `name` is a convention the options may hold: empty (the built-in way of zav.cfg), a
// row of the conventions table, or "custom".
bool KnownConventionName(std::string_view name);

// The path of salvenor.ini beside the configuration file at `configPath`.
std::string SettingsPathBeside(const std::string& configPath);

// The options the file holds, each choice checked on its own.
CalculationOptions ReadCalculationOptions(const SettingsFile& settings);

// Puts every choice of `options` into the settings (the caller saves the file).
void WriteCalculationOptions(SettingsFile& settings, const CalculationOptions& options);

}  // namespace salvenor

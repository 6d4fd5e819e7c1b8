// Shared pieces of the salvenor-cli commands: argument checks, dates, exit codes.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_file.h"
#include "core/calculation_options.h"
#include "core/hijri.h"
#include "platform/message_boxes.h"

namespace salvenor::cli {

using Args = std::vector<std::string>;

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// The current folder, where the installation's files are looked for.
std::string CurrentDirectory();

// Makes the current folder one that holds the program's files. A folder that holds them already
// (the staged folder of `make run`, the user's folder) stays. Otherwise, when this program stands
// in an installation beside its `salvenor` launcher, the launcher prepares the folder the program
// works in (the user's $XDG_DATA_HOME/salvenor, created if missing) and that folder becomes the
// current one. False, after a message on stderr, when the preparation failed.
bool EnterProgramFolder();

// The configuration file at `path` (default: zav.cfg in the current folder) opened as start-up
// opens it, without creating a missing one; its messages go to stderr. `status` is ExitOk, or
// ExitFailure after a reported read failure or damaged fields (the record is still there), or
// ExitUsage when first-run setup would follow (said on stderr; no record).
struct OpenedConfiguration {
    std::unique_ptr<CConfigFile> config;
    int status = ExitOk;
};
OpenedConfiguration OpenConfiguration(const std::string& path, MessageBoxes& boxes);

// Prints "salvenor-cli: <message>" on stderr and returns ExitUsage.
int UsageError(std::string_view message);

// A whole decimal number (optional sign, nothing else) within min..max.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

// Digits only (no sign, nothing else), within min..max: the fields of a date.
std::optional<long long> ParseDigits(std::string_view text, long long min, long long max);

// A finite decimal number (nothing else) within min..max.
std::optional<double> ParseNumber(std::string_view text, double min, double max);

// Dates are the calendar core's GregorianDate (day, month, year).
using Date = GregorianDate;

// YYYY-MM-DD in digits: a day the clock has (ClockDateExists: the Gregorian calendar with its
// century rule, so 2007-02-30, 1900-02-29 and 2100-02-29 are refused) that the calendars serve,
// from the Hijri epoch (28 July 622) to the year 9999. The command line follows the clock rather
// than the month table's calendar because every date it takes is turned into a clock time (its
// noon), and a day the clock does not have would be answered for 1 March under the wrong date.
std::optional<Date> ParseDate(std::string_view text);

// The one line for a date or month outside what the calendars serve.
inline constexpr std::string_view CalendarRange =
    "the calendars serve the Hijri years 1 to 9999 and the Gregorian days from 28 July 622 (the "
    "first day of the Hijri year 1) to the year 9999";
// The line above and the help text name the calendars' last year in words.
static_assert(MaxCalendarYear == 9999);

// Today's local date.
Date Today();

// The clock time of noon on a local date (noon stays clear of daylight-saving changes).
long long NoonOf(const Date& date);

// "YYYY-MM-DD".
std::string FormatDate(const Date& date);

// The calculation choices a command line may set; each one given overrides that one choice.
struct CalculationFlags {
    std::optional<std::string> convention;
    std::optional<double> fajrAngle;
    std::optional<double> ishaAngle;
    std::optional<int> ishaMinutes;
    std::optional<AsrShadow> asr;
    std::optional<std::array<int, 6>> adjustMinutes;
    std::optional<HighLatitudeRule> highLatitude;
    std::optional<SunModel> sun;
    std::optional<int> hijriAdjust;
};

enum class FlagParse { NotOurs, Taken, Refused };

// When args[i] is one of the calculation flags (--convention, --fajr-angle, --isha-angle,
// --isha-minutes, --asr, --adjust, --high-latitude, --sun, --hijri-adjust), reads its value,
// args[i + 1], into `flags` and moves `i` on to it: Taken. A missing, unknown or out-of-range
// value is Refused, with `error` the one line that names the flag and the values it takes.
// NotOurs (nothing changed) for any other argument.
FlagParse ParseCalculationFlag(const Args& args, std::size_t& i, CalculationFlags& flags,
                               std::string& error);

// After the last flag: the line for flags that cannot go together (custom angles beside a
// convention of the table), empty when they can.
std::string CheckCalculationFlags(const CalculationFlags& flags);

// `base` with the choices the flags set; custom angles or minutes choose the custom convention.
CalculationOptions ApplyCalculationFlags(CalculationOptions base, const CalculationFlags& flags);

// The flags as --help describes them.
extern const std::string_view CalculationFlagsHelp;

}  // namespace salvenor::cli

// salvenor-cli: prayer times, dates, the configuration file, the city database and the pages from
// a terminal or a script, through the same libraries as the program.
#include <filesystem>
#include <iostream>
#include <string_view>

#include "tools/cli/commands.h"

namespace {

constexpr std::string_view HelpBeforeFlags = R"(Usage: salvenor-cli COMMAND [ARGUMENTS]

Commands:
  times [--date YYYY-MM-DD] [--days N] [--lat DEG --lon DEG [--alt M] --gmt H --way W]
        [--dst] [--decimal] [CALCULATION FLAGS]
      The six daily times, one line a day from the date (default today) for N days (default 1).
      Without a location the place, zone and convention come from zav.cfg in the current
      folder, the calculation choices from salvenor.ini beside it, and each day takes the local
      clock's daylight-saving state; with a location every choice not given is the default.
      --gmt takes whole or fractional hours; --way is 0 Egyptian General Organisation of
      Surveying, 1 Um Ul-Qura, 2 ISNA, 3 World Islamic League (the built-in ways, used when no
      other convention is chosen). --dst puts every time one hour later. --decimal prints the
      times as decimal hours with 9 decimals. The calculation flags:
)";

constexpr std::string_view HelpAfterFlags = R"(  conventions
      The published conventions: name, angles (or minutes), the convention's own minutes
      added to Fajr, sunrise, Thuhr, Asr, Maghrib and Isha, label and source, tab-separated.
  hijri [YYYY-MM-DD] [--hijri-adjust N]
      The Hijri date of a Gregorian day (default today): day, month and year, then the text;
      --hijri-adjust adds N days (-2 to 2) to the Hijri date.
  gregorian YEAR MONTH DAY [--hijri-adjust N]
      The Gregorian date of a Hijri date (with the same adjustment).
  config [FILE]
      Opens a configuration file (default zav.cfg in the current folder) as the program does
      and prints each field as name=value; exits 2 when first-run setup would follow.
  solar-table
      The 366 rows of the built-in solar table: row, equation of time, sign, declination.
  countries
      The country list of the city database in the current folder, placeholder first.
  cities POSITION LETTER
      The cities of the country at that list position whose names begin with LETTER:
      name, latitude, longitude and altitude, tab-separated. Exit 1, with one line saying
      why, whenever it lists none.
  month --hijri|--gregorian YEAR MONTH
      Builds the month calendar page in the current folder and prints its path.
  today-page
      Builds today's prayer-times page from zav.cfg in the current folder and prints its path.
  ics [--date YYYY-MM-DD] [--days N] [--alarm MINUTES] [--sunrise] [the place and calculation flags of times]
      The prayer times of N days (default 1) as an iCalendar file on standard output: one
      event a prayer at its moment in UTC, Shrook too with --sunrise, and with --alarm an
      alarm that many minutes before each (0 to 1440). An event's UID is made of its date,
      its prayer and the place, so importing a new export updates the events it already has.
  qibla [--lat DEG --lon DEG]
      The direction of the Kaaba from the place (default: zav.cfg's): the bearing in degrees
      clockwise from true north with one decimal, then the bearing in words.
  help, --help
      This text.
  --version
      The version.

The current folder: run in a folder that holds the program's files (the staged folder of
`make run`, or your own Salvenor folder), the commands work there. Run anywhere else, an
installed salvenor-cli works in your own folder, $XDG_DATA_HOME/salvenor (~/.local/share/salvenor),
which the `salvenor` launcher prepares (and creates when it is missing) as it does for the program,
and reads the city database and templates of the installation through it. A FILE given to
`config` is taken from where you are.

A date YYYY-MM-DD is a day of the Gregorian calendar as the system clock counts it, century
rule included (2000-02-29 exists, 1900-02-29 and 2100-02-29 do not), from 28 July 622 (the
first day of the Hijri year 1) to the year 9999.

Exit status: 0 done, 1 the command reported a failure, 2 bad arguments.
)";

void PrintHelp(std::ostream& out) {
    out << HelpBeforeFlags << salvenor::cli::CalculationFlagsHelp << HelpAfterFlags;
}

struct Command {
    std::string_view name;
    int (*run)(const salvenor::cli::Args&);
    bool needsFiles;  // reads or writes the program's files in its folder
};

constexpr Command Commands[] = {
    {"times", salvenor::cli::RunTimes, true},
    {"hijri", salvenor::cli::RunHijri, false},
    {"gregorian", salvenor::cli::RunGregorian, false},
    {"conventions", salvenor::cli::RunConventions, false},
    {"config", salvenor::cli::RunConfig, true},
    {"solar-table", salvenor::cli::RunSolarTable, false},
    {"countries", salvenor::cli::RunCountries, true},
    {"cities", salvenor::cli::RunCities, true},
    {"month", salvenor::cli::RunMonth, true},
    {"today-page", salvenor::cli::RunTodayPage, true},
    {"ics", salvenor::cli::RunIcs, true},
    {"qibla", salvenor::cli::RunQibla, true},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(std::cerr);
        return salvenor::cli::ExitUsage;
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintHelp(std::cout);
        return salvenor::cli::ExitOk;
    }
    if (name == "--version") {
        std::cout << "salvenor-cli " << SALVENOR_VERSION << '\n';
        return salvenor::cli::ExitOk;
    }
    salvenor::cli::Args args(argv + 2, argv + argc);
    for (const Command& command : Commands) {
        if (command.name != name) {
            continue;
        }
        if (command.needsFiles) {
            // A file named on the command line is where the user is, not in the program's folder.
            if (name == "config" && !args.empty()) {
                std::error_code ec;
                const auto absolute = std::filesystem::absolute(args.front(), ec);
                if (!ec) {
                    args.front() = absolute.string();
                }
            }
            if (!salvenor::cli::EnterProgramFolder()) {
                return salvenor::cli::ExitFailure;
            }
        }
        return command.run(args);
    }
    return salvenor::cli::UsageError("unknown command '" + std::string(name) +
                                     "' (salvenor-cli --help lists them)");
}

// salvenor-cli: prayer times, dates, the configuration file, the city database and the pages from
// a terminal or a script, through the same libraries as the program.
#include <iostream>
#include <string_view>

#include "tools/cli/commands.h"

namespace {

constexpr std::string_view Help = R"(Usage: salvenor-cli COMMAND [ARGUMENTS]

Commands:
  times [--date YYYY-MM-DD] [--days N] [--lat DEG --lon DEG [--alt M] --gmt H --way W]
        [--dst] [--decimal]
      The six daily times, one line a day from the date (default today) for N days (default 1).
      Without a location the place, zone and convention come from zav.cfg in the current
      folder, and each day takes the local clock's daylight-saving state. --gmt takes whole or
      fractional hours; --way is 0 Egyptian General Organisation of Surveying, 1 Um Ul-Qura,
      2 ISNA, 3 World Islamic League. --dst puts every time one hour later. --decimal prints
      the times as decimal hours with 9 decimals.
  hijri [YYYY-MM-DD]
      The Hijri date of a Gregorian day (default today): day, month and year, then the text.
  gregorian YEAR MONTH DAY
      The Gregorian date of a Hijri date.
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
  help, --help
      This text.

Exit status: 0 done, 1 the command reported a failure, 2 bad arguments.
)";

struct Command {
    std::string_view name;
    int (*run)(const salvenor::cli::Args&);
};

constexpr Command Commands[] = {
    {"times", salvenor::cli::RunTimes},
    {"hijri", salvenor::cli::RunHijri},
    {"gregorian", salvenor::cli::RunGregorian},
    {"config", salvenor::cli::RunConfig},
    {"solar-table", salvenor::cli::RunSolarTable},
    {"countries", salvenor::cli::RunCountries},
    {"cities", salvenor::cli::RunCities},
    {"month", salvenor::cli::RunMonth},
    {"today-page", salvenor::cli::RunTodayPage},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << Help;
        return salvenor::cli::ExitUsage;
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        std::cout << Help;
        return salvenor::cli::ExitOk;
    }
    const salvenor::cli::Args args(argv + 2, argv + argc);
    for (const Command& command : Commands) {
        if (command.name == name) {
            return command.run(args);
        }
    }
    return salvenor::cli::UsageError("unknown command '" + std::string(name) +
                                     "' (salvenor-cli --help lists them)");
}

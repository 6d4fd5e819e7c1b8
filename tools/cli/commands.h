// The commands of salvenor-cli. Each takes its arguments without the command word and returns
// the exit status: 0 done, 1 a failure the command reports, 2 bad arguments.
#pragma once

#include "tools/cli/cli_common.h"

namespace salvenor::cli {

int RunTimes(const Args& args);
int RunHijri(const Args& args);
int RunGregorian(const Args& args);
int RunConfig(const Args& args);
int RunConventions(const Args& args);
int RunSolarTable(const Args& args);
int RunCountries(const Args& args);
int RunCities(const Args& args);
int RunMonth(const Args& args);
int RunTodayPage(const Args& args);

}  // namespace salvenor::cli

// Shared pieces of the salvenor-cli commands: argument checks, dates, exit codes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace salvenor::cli {

using Args = std::vector<std::string>;

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// Prints "salvenor-cli: <message>" on stderr and returns ExitUsage.
int UsageError(std::string_view message);

// A whole decimal number (optional sign, nothing else) within min..max.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

// A finite decimal number (nothing else) within min..max.
std::optional<double> ParseNumber(std::string_view text, double min, double max);

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

// YYYY-MM-DD, a real day of the Gregorian calendar (2007-02-30 and 1900-02-29 are refused).
std::optional<Date> ParseDate(std::string_view text);

// Today's local date.
Date Today();

// The clock time of noon on a local date (noon stays clear of daylight-saving changes).
long long NoonOf(const Date& date);

// "YYYY-MM-DD".
std::string FormatDate(const Date& date);

}  // namespace salvenor::cli

// Argument checks of salvenor-cli.
#include "tools/cli/cli_common.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "core/hijri.h"
#include "core/local_time.h"
#include "core/str_printf.h"
#include "platform/calculation_settings.h"
#include "platform/clock.h"

namespace salvenor::cli {

bool EnterProgramFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    // The country summary or a configuration marks a folder with the program's files.
    constexpr const char* summary = "world.sum";
    if (fs::exists(summary, ec) || fs::exists(ConfigFileName, ec)) {
        return true;
    }
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return true;
    }
    const fs::path launcher = self.parent_path() / "salvenor";
    if (!fs::exists(launcher, ec) || !fs::exists(self.parent_path() / summary, ec)) {
        return true;  // not an installation: the current folder as it is
    }
    // The launcher decides whether the installation is shared and prepares the user's folder as
    // a start of the program does; it prints nothing for a folder the program runs in itself.
    std::string command = "'";
    for (const char c : launcher.string()) {
        command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    command += "' --prepare-folder";
    std::string output;
    int status = -1;
    {
        struct PipeCloser {
            int* status;
            void operator()(FILE* pipe) const { *status = pclose(pipe); }
        };
        const std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"),
                                                     PipeCloser{&status});
        for (int c = pipe ? std::fgetc(pipe.get()) : EOF; c != EOF; c = std::fgetc(pipe.get())) {
            output += static_cast<char>(c);
        }
    }
    while (!output.empty() && output.back() == '\n') {
        output.pop_back();
    }
    const std::string folder = output.substr(output.rfind('\n') + 1);
    if (status != 0 || (!folder.empty() && chdir(folder.c_str()) != 0)) {
        std::cerr << "salvenor-cli: cannot prepare your Salvenor folder\n";
        return false;
    }
    return true;
}

std::string CurrentDirectory() {
    const std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    return cwd ? std::string(cwd.get()) : std::string(".");
}

OpenedConfiguration OpenConfiguration(const std::string& path, MessageBoxes& boxes) {
    OpenedConfiguration opened;
    auto config = std::make_unique<CConfigFile>(boxes);
    config->configPath = path;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 ||
        config->OpenConfig() == CConfigFile::OpenResult::NeedsFirstRun) {
        std::cerr << "salvenor-cli: " << path
                  << " is missing, empty or damaged: Salvenor would start first-run setup\n";
        opened.status = ExitUsage;
        return opened;
    }
    if (config->readFailed() || !config->damagedFields().empty()) {
        opened.status = ExitFailure;
    }
    opened.config = std::move(config);
    return opened;
}

int UsageError(std::string_view message) {
    std::cerr << "salvenor-cli: " << message << '\n';
    return ExitUsage;
}

std::optional<long long> ParseInteger(std::string_view text, long long min, long long max) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseDigits(std::string_view text, long long min, long long max) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return ParseInteger(text, min, max);
}

std::optional<double> ParseNumber(std::string_view text, double min, double max) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<Date> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = ParseDigits(text.substr(0, 4), 1, MaxCalendarYear);
    const auto month = ParseDigits(text.substr(5, 2), 1, 12);
    const auto day = ParseDigits(text.substr(8, 2), 1, 31);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const Date date{static_cast<int>(*day), static_cast<int>(*month), static_cast<int>(*year)};
    // The days the clock has (the times and the Hijri date are taken at the day's noon, which a
    // day the clock does not have would move into March) that the calendars serve.
    if (!ClockDateExists(date.year, date.month, date.day) ||
        !GregorianDateSupported(date.year, date.month, date.day)) {
        return std::nullopt;
    }
    return date;
}

Date Today() {
    const CalendarFields f = BreakLocal(SystemClock().now());
    return {f.day, f.month, f.year};
}

long long NoonOf(const Date& date) {
    return MakeLocal(date.year, date.month, date.day, 12, 0, 0);
}

std::string FormatDate(const Date& date) {
    return StrPrintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

namespace {

template <typename T>
std::string NamesOf(std::span<const ChoiceName<T>> names) {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += k == 0 ? "" : (k + 1 == names.size() ? " or " : ", ");
        text += names[k].name;
    }
    return text;
}

std::string ConventionNames() {
    std::string text;
    for (const Convention& row : Conventions()) {
        text += row.name;
        text += ", ";
    }
    return text + std::string(CustomConventionName);
}

// "F,S,D,A,M,I": six whole numbers of minutes, each within the range.
std::optional<std::array<int, 6>> ParseAdjustMinutes(std::string_view text) {
    std::array<int, 6> minutes{};
    for (std::size_t k = 0; k < minutes.size(); ++k) {
        const std::size_t comma = text.find(',');
        const bool last = k + 1 == minutes.size();
        if (last != (comma == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto value = ParseInteger(text.substr(0, comma), MinAdjustMinutes, MaxAdjustMinutes);
        if (!value) {
            return std::nullopt;
        }
        minutes[k] = static_cast<int>(*value);
        text.remove_prefix(last ? text.size() : comma + 1);
    }
    return minutes;
}

}  // namespace

const std::string_view CalculationFlagsHelp =
    R"(  --convention NAME   a published convention (the list: salvenor-cli conventions)
  --fajr-angle DEG, --isha-angle DEG, --isha-minutes MIN
                      a custom convention: the sun's depression at Fajr and at Isha
                      (10 to 25 degrees), or Isha MIN minutes after Maghrib (1 to 180)
  --asr standard|hanafi
                      the shadow at which Asr begins: one object length, or two
  --adjust F,S,D,A,M,I
                      minutes (-30 to 30) added to Fajr, sunrise, Thuhr, Asr, Maghrib, Isha
  --high-latitude seventh|middle|angle
                      Fajr and Isha where the sun does not reach their angle: a seventh of
                      the night, the middle of the night, or the angle's share of the night
  --sun table|computed
                      the sun from the built-in table, or computed for the date
  --hijri-adjust N    days (-2 to 2) added to the Hijri date (the local moon sighting)
)";

FlagParse ParseCalculationFlag(const Args& args, std::size_t& i, CalculationFlags& flags,
                               std::string& error) {
    const std::string& flag = args[i];
    static constexpr std::string_view Flags[] = {
        "--convention", "--fajr-angle",    "--isha-angle", "--isha-minutes", "--asr",
        "--adjust",     "--high-latitude", "--sun",        "--hijri-adjust"};
    if (std::find(std::begin(Flags), std::end(Flags), flag) == std::end(Flags)) {
        return FlagParse::NotOurs;
    }
    const bool hasValue = i + 1 < args.size();
    const std::string value = hasValue ? args[i + 1] : std::string();
    // Every refusal is one line: the flag, what it takes, and what it was given.
    const auto refuse = [&](const std::string& takes) {
        error = flag + " takes " + takes + (hasValue ? ", not '" + value + "'" : "");
        return FlagParse::Refused;
    };
    const std::string angles = StrPrintf("degrees from %g to %g", MinCustomAngle, MaxCustomAngle);
    if (flag == "--convention") {
        if (!hasValue || value.empty() || !KnownConventionName(value)) {
            return refuse(ConventionNames());
        }
        flags.convention = value;
    } else if (flag == "--fajr-angle" || flag == "--isha-angle") {
        const auto degrees =
            hasValue ? ParseNumber(value, MinCustomAngle, MaxCustomAngle) : std::nullopt;
        if (!degrees) {
            return refuse(angles);
        }
        (flag == "--fajr-angle" ? flags.fajrAngle : flags.ishaAngle) = *degrees;
    } else if (flag == "--isha-minutes") {
        const auto minutes = hasValue ? ParseInteger(value, 1, MaxCustomIshaMinutes) : std::nullopt;
        if (!minutes) {
            return refuse(StrPrintf("minutes from 1 to %d", MaxCustomIshaMinutes));
        }
        flags.ishaMinutes = static_cast<int>(*minutes);
    } else if (flag == "--asr") {
        if (!(flags.asr = hasValue ? ParseAsrShadow(value) : std::nullopt)) {
            return refuse(NamesOf(AsrShadowNames()));
        }
    } else if (flag == "--adjust") {
        if (!(flags.adjustMinutes = hasValue ? ParseAdjustMinutes(value) : std::nullopt)) {
            return refuse(StrPrintf("six minutes F,S,D,A,M,I, each from %d to %d", MinAdjustMinutes,
                                    MaxAdjustMinutes));
        }
    } else if (flag == "--high-latitude") {
        if (!(flags.highLatitude = hasValue ? ParseHighLatitudeRule(value) : std::nullopt)) {
            return refuse(NamesOf(HighLatitudeNames()));
        }
    } else if (flag == "--sun") {
        if (!(flags.sun = hasValue ? ParseSunModel(value) : std::nullopt)) {
            return refuse(NamesOf(SunModelNames()));
        }
    } else {
        const auto days =
            hasValue ? ParseInteger(value, MinHijriAdjustDays, MaxHijriAdjustDays) : std::nullopt;
        if (!days) {
            return refuse(StrPrintf("days from %d to %d", MinHijriAdjustDays, MaxHijriAdjustDays));
        }
        flags.hijriAdjust = static_cast<int>(*days);
    }
    ++i;
    return FlagParse::Taken;
}

std::string CheckCalculationFlags(const CalculationFlags& flags) {
    const bool custom = flags.fajrAngle || flags.ishaAngle || flags.ishaMinutes;
    if (custom && flags.convention && *flags.convention != CustomConventionName) {
        return "--fajr-angle, --isha-angle and --isha-minutes make a custom convention; they do "
               "not go with --convention " +
               *flags.convention;
    }
    if (flags.ishaAngle && flags.ishaMinutes) {
        return "--isha-angle and --isha-minutes do not go together: Isha is by one or the other";
    }
    return {};
}

CalculationOptions ApplyCalculationFlags(CalculationOptions o, const CalculationFlags& flags) {
    if (flags.convention) {
        o.convention = *flags.convention;
    }
    if (flags.fajrAngle || flags.ishaAngle || flags.ishaMinutes) {
        o.convention = std::string(CustomConventionName);
    }
    o.customFajrAngle = flags.fajrAngle.value_or(o.customFajrAngle);
    o.customIshaAngle = flags.ishaAngle.value_or(o.customIshaAngle);
    if (flags.ishaAngle) {
        o.customIshaMinutes = 0;
    }
    o.customIshaMinutes = flags.ishaMinutes.value_or(o.customIshaMinutes);
    o.asr = flags.asr.value_or(o.asr);
    o.adjustMinutes = flags.adjustMinutes.value_or(o.adjustMinutes);
    o.highLatitude = flags.highLatitude.value_or(o.highLatitude);
    o.sun = flags.sun.value_or(o.sun);
    o.hijriAdjustDays = flags.hijriAdjust.value_or(o.hijriAdjustDays);
    return o;
}

}  // namespace salvenor::cli

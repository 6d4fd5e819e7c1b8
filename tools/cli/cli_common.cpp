// Argument checks of salvenor-cli.
#include "tools/cli/cli_common.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "core/hijri.h"
#include "core/local_time.h"
#include "core/str_printf.h"
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

}  // namespace salvenor::cli

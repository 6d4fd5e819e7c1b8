// Today's prayer-times page: the texts of the day and the template they are filled into, from
// "Calendar\SalaTimeDlg\HTML\PryerTime_Template_e.htm" to
// "Calendar\SalaTimeDlg\HTML\tmp\TodaySalaTimes.htm" under the installation folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/messages.h"
#include "config/config_file.h"
#include "core/prayer_times.h"
#include "core/words.h"

namespace salvenor {

inline constexpr const char* TodayTemplateFile =
    "Calendar\\SalaTimeDlg\\HTML\\PryerTime_Template_e.htm";
inline constexpr const char* TodayOutputFile =
    "Calendar\\SalaTimeDlg\\HTML\\tmp\\TodaySalaTimes.htm";

// Everything the page says about the day, ready to be put in place of the placeholders.
struct TodayPageTexts {
    std::string countryCity;  // "<country>-<city>", both HTML-escaped
    std::string weekday;
    std::string hijriDate;
    std::string gregorianDate;
    std::array<std::string, 6> times;  // indexed by PrayerIndex
    std::string nextPrayer;            // the name of the next prayer, as the bar finds it
    std::string nextPrayerTime;        // its time, "%d:%02d %s"
    std::string calculationWay;
};

// The name of the convention the times are computed with, as the page writes it: the label of
// the chosen row of the conventions table, the custom convention's, or (with none chosen) the
// page's name of the built-in way.
std::string ConventionInForce(const CalculationOptions& options, int calculationWay,
                              const WordsOf& words = {});

// The texts of the local day of `now` for the place and convention of `record`. `settings` is
// what the computation reads (CConfigFile::prayerSettings()); its Hijri day adjustment shifts the
// Hijri date. The names, dates and "am"/"pm" are in the language of `words` (English without).
TodayPageTexts GatherTodayTexts(std::int64_t now, const ConfigRecord& record,
                                const PrayerSettings& settings, const WordsOf& words = {});

// The thirteen placeholders of one template line replaced in their fixed order, each one in the
// line as the earlier replacements left it.
std::string FillTodayLine(std::string line, const TodayPageTexts& texts);

// Absolute paths of the template and of the page written, under `workingDirectory`. A language
// ("ar") takes its translated template, in a folder of that name beside the English one, when the
// installation has it.
std::string TodayTemplatePath(const std::string& workingDirectory,
                              const std::string& language = {});
std::string TodayPagePath(const std::string& workingDirectory);

// Writes the page from the template. When the template or the page cannot be opened, the file
// error is shown (naming the page when both fail), the page is left empty and the result is false.
bool BuildTodayPage(const TodayPageTexts& texts, const std::string& workingDirectory,
                    MessageBoxes& boxes, const std::string& language = {});

}  // namespace salvenor

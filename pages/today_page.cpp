// Today's prayer-times page.
#include "pages/today_page.h"

#include <fstream>

#include "core/hijri.h"
#include "core/local_time.h"
#include "core/next_prayer.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "pages/page_text.h"

namespace salvenor {

std::string ConventionInForce(const CalculationOptions& options, int calculationWay) {
    if (options.convention == CustomConventionName) {
        return texts::CustomConventionLabel;
    }
    if (const Convention* row = FindConvention(options.convention)) {
        return std::string(row->label);
    }
    return texts::TodayPageWayNames[ValidCalculationWay(calculationWay)];
}

TodayPageTexts GatherTodayTexts(std::int64_t now, const ConfigRecord& record,
                                const PrayerSettings& settings) {
    const CalendarFields local = BreakLocal(now);
    TodayPageTexts t;
    // The names come from the configuration and the city database; the page shows them as text.
    t.countryCity = HasNoPlace(record) ? std::string(texts::NoPlacePageName)
                                       : pages::HtmlEscape(record.countryName) + "-" +
                                             pages::HtmlEscape(record.cityName);
    t.weekday = WeekdayNames[static_cast<std::size_t>(local.weekday)];
    t.hijriDate = FormatHijriDate(now, settings.calculation.hijriAdjustDays);
    t.gregorianDate =
        StrPrintf("%d of %s, %d", local.day,
                  GregorianMonthNames[static_cast<std::size_t>(local.month - 1)], local.year);
    const std::array<DecimalHours, 6> times = ComputePrayerTimes(now, settings);
    for (int i = Fajr; i <= Isha; ++i) {
        t.times[static_cast<std::size_t>(i)] =
            FormatDecimalTime(i, times[static_cast<std::size_t>(i)]);
    }
    const NextPrayer next = FindNextPrayer(now, settings);
    t.nextPrayer = PrayerNames[static_cast<std::size_t>(next.event.index)];
    t.nextPrayerTime = FormatDecimalTime(next.event.index, next.event.time);
    t.calculationWay = ConventionInForce(settings.calculation, record.calculationWay);
    return t;
}

std::string FillTodayLine(std::string line, const TodayPageTexts& t) {
    using pages::ReplaceAll;
    ReplaceAll(line, "COUNTRY1-CITY1", t.countryCity);
    ReplaceAll(line, "DATEDAY1", t.weekday);
    ReplaceAll(line, "HIJRI_DATE", t.hijriDate);
    ReplaceAll(line, "MELADI_DATE", t.gregorianDate);
    ReplaceAll(line, "FJRTM", t.times[Fajr]);
    ReplaceAll(line, "SHRTM", t.times[Shrook]);
    ReplaceAll(line, "THRTM", t.times[Thuhr]);
    ReplaceAll(line, "ASRTM", t.times[Asr]);
    ReplaceAll(line, "MGRTM", t.times[Maghrib]);
    ReplaceAll(line, "ISHTM", t.times[Isha]);
    ReplaceAll(line, "NXTPRYR", t.nextPrayer);
    ReplaceAll(line, "NEXTPTM", t.nextPrayerTime);
    ReplaceAll(line, "CALCULATION_WAY_1", t.calculationWay);
    return line;
}

std::string TodayTemplatePath(const std::string& workingDirectory) {
    return pages::UnderDirectory(workingDirectory, TodayTemplateFile);
}

std::string TodayPagePath(const std::string& workingDirectory) {
    return pages::UnderDirectory(workingDirectory, TodayOutputFile);
}

bool BuildTodayPage(const TodayPageTexts& texts, const std::string& workingDirectory,
                    MessageBoxes& boxes) {
    const std::string templatePath = TodayTemplatePath(workingDirectory);
    const std::string outputPath = TodayPagePath(workingDirectory);

    std::string error;
    pages::LineReader in(templatePath);
    if (!in.isOpen()) {
        error = StrPrintf(texts::CannotOpenFile, templatePath.c_str());
    }
    // Opened whatever became of the template, so a missing template leaves an empty page.
    std::ofstream out = pages::CreateFresh(outputPath);
    if (!out.is_open()) {
        error = StrPrintf(texts::CannotOpenFile, outputPath.c_str());
    }
    if (!error.empty()) {
        boxes.show(StrPrintf(texts::TodayPageFileError, error.c_str()), MessageIcon::Exclamation);
        return false;
    }

    std::string line;
    while (in.next(line)) {
        out << FillTodayLine(std::move(line), texts) << '\n';
    }
    return true;
}

}  // namespace salvenor

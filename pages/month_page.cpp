// The month calendar pages.
#include "pages/month_page.h"

#include <fstream>
#include <string_view>

#include "core/hijri.h"
#include "core/month_days.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "core/words.h"
#include "pages/page_text.h"

namespace salvenor {

namespace {

using pages::Contains;
using pages::ReplaceAll;

constexpr std::string_view TwoBlanks = "  ";
constexpr std::string_view ThreeBlanks = "   ";

// The cell attributes the templates give every day that an occasion may fall on, and what an
// occasion puts in their place.
constexpr std::string_view DefaultBackground = "bgcolor=\"#FF8000\"";
constexpr std::string_view DefaultTextColour = "color=\"#FFFFFF\"";
constexpr std::string_view OccasionTextColour = "color=\"#000000\"";
constexpr std::string_view CellOpening = "<td ";

std::string_view BackgroundFor(OccasionKind kind) {
    switch (kind) {
        case OccasionKind::Feast:
            return "bgcolor=\"#00FF00\" ";
        case OccasionKind::Occasion:
            return "bgcolor=\"#C9C9C9\" ";
        case OccasionKind::RamadanNight:
            return "bgcolor=\"#FFE1E7\" ";
        case OccasionKind::None:
            break;
    }
    return {};
}

// Gives one joined cell the colours of its occasion: the template's default attributes give way,
// or, in a cell without them, the new ones are put right after "<td ".
void ColourCell(std::string& cell, OccasionKind kind) {
    if (kind == OccasionKind::None) {
        return;
    }
    if (Contains(cell, DefaultBackground)) {
        ReplaceAll(cell, DefaultBackground, BackgroundFor(kind));
    } else {
        pages::InsertAfterFirst(cell, CellOpening, BackgroundFor(kind));
    }
    if (Contains(cell, DefaultTextColour)) {
        ReplaceAll(cell, DefaultTextColour, OccasionTextColour);
    } else {
        pages::InsertAfterFirst(cell, CellOpening, OccasionTextColour);
    }
}

std::string GregorianAbbrev(int month, const WordsOf& words) {
    return words(GregorianMonthAbbrevs[static_cast<std::size_t>(month - 1)]);
}

std::string HijriAbbrevOrBlanks(int month, const WordsOf& words) {
    // Days before the Hijri epoch convert to months outside 1..12, which have no name.
    return month >= 1 && month <= 12 ? words(HijriMonthAbbrevs[static_cast<std::size_t>(month - 1)])
                                     : std::string(ThreeBlanks);
}

// A day or a year as the page writes it, in the language's digits.
std::string Number(int value, const WordsOf& words) {
    return words.digits(std::to_string(value));
}

void ShowFileError(MessageBoxes& boxes) {
    boxes.show(texts::PageFileError, MessageIcon::Exclamation);
}

// Pass 1: copies the template so that every table cell stands on one line. A line holding "<td"
// opens a cell (its own end is not looked for); the lines after it are appended with nothing
// between them up to and including the first one holding "/td>". A cell still open at the end
// is dropped. Returns false when a file could not be opened (reported).
bool JoinCells(const MonthPageFiles& files, MessageBoxes& boxes) {
    pages::LineReader in(files.monthTemplate);
    std::ofstream out = pages::CreateFresh(files.joinedTemplate);
    if (!in.isOpen() || !out.is_open()) {
        ShowFileError(boxes);
        return false;
    }
    std::string line;
    std::string cell;
    bool cellOpen = false;
    while (in.next(line)) {
        if (!cellOpen) {
            if (Contains(line, "<td")) {
                cell = std::move(line);
                cellOpen = true;
            } else {
                out << line << '\n';
            }
            continue;
        }
        cell += line;
        if (Contains(line, "/td>")) {
            out << cell << '\n';
            cellOpen = false;
        }
    }
    return true;
}

// The next day by the shared month lengths, whose February entry the caller has just set by
// converting a day of the same year.
GregorianDate NextDay(GregorianDate d) {
    if (d.day >= GregorianMonthDays[static_cast<std::size_t>(d.month - 1)]) {
        d.day = 1;
        if (d.month == 12) {
            d.month = 1;
            ++d.year;
        } else {
            ++d.month;
        }
    } else {
        ++d.day;
    }
    return d;
}

// Pass 2 of a Hijri page. The page starts at the first Gregorian day of the Gregorian year of the
// month's 1st that converts into the month, and lasts as long as consecutive days do; the Hijri
// days are counted from 1. Returns false (reported) when no day of that year converts into it.
bool FillHijriMonth(pages::LineReader& in, std::ostream& out, int year, int month, int shift,
                    const WordsOf& words, std::string& otherYears, MessageBoxes& boxes) {
    const GregorianDate first = HijriToGregorianShifted({1, month, year}, shift);
    otherYears = std::to_string(first.year);

    // Each conversion sets February of the year walked before its length is read.
    GregorianDate current{0, 0, first.year};
    for (int m = 1; m <= 12 && current.day == 0; ++m) {
        for (int d = 1; d <= GregorianMonthDays[static_cast<std::size_t>(m - 1)]; ++d) {
            const HijriDate h = GregorianToHijriShifted(d, m, first.year, shift);
            if (h.year == year && h.month == month) {
                current.day = d;
                current.month = m;
                break;
            }
        }
    }
    if (current.day == 0) {
        ShowFileError(boxes);
        return false;
    }

    const int firstColumn = SaturdayFirstColumn(current.year, current.month, current.day);
    const std::string monthName = words(HijriMonthNames[static_cast<std::size_t>(month - 1)]);
    const std::string yearText = Number(year, words);
    int dayCount = 0;
    int primaryCell = 1;
    int secondaryCell = 1;
    bool finished = false;
    std::string line;
    while (in.next(line)) {
        if (finished) {
            out << "</tr>\n";
            continue;
        }
        ReplaceAll(line, "MONTH1", monthName);
        ReplaceAll(line, "HIJ_YEAR", yearText);
        ReplaceAll(line, "YEAR", yearText);

        if (GregorianToHijriShifted(current.day, current.month, current.year, shift).month !=
            month) {
            finished = true;
            out << "</tr>\n";
            continue;
        }
        if (Contains(line, "HH1")) {
            if (primaryCell < firstColumn) {
                ReplaceAll(line, "HH1", TwoBlanks);
            } else {
                ++dayCount;
                ColourCell(line, LookupOccasion(dayCount, month));
                ReplaceAll(line, "HH1", Number(dayCount, words));
            }
            ++primaryCell;
        }
        bool dayPlaced = false;
        if (Contains(line, "GG1")) {
            if (secondaryCell < firstColumn) {
                ReplaceAll(line, "GG1", TwoBlanks);
            } else {
                ReplaceAll(line, "GG1", Number(current.day, words));
                dayPlaced = true;
            }
            ++secondaryCell;
            if (Contains(line, "MNT1")) {
                ReplaceAll(line, "MNT1",
                           dayPlaced ? GregorianAbbrev(current.month, words) : ThreeBlanks);
            }
        }
        out << line << '\n';

        if (dayPlaced) {
            const int yearBefore = current.year;
            current = NextDay(current);
            if (current.year != yearBefore) {
                otherYears += StrPrintf(" - %d", current.year);
            }
        }
    }
    return true;
}

// Pass 2 of a Gregorian page. Ends after the line of the month's last day with "</tr>"; the lines
// after it are dropped, up to "</table>", which is written (except after December).
void FillGregorianMonth(pages::LineReader& in, std::ostream& out, int year, int month, int shift,
                        const WordsOf& words, std::string& otherYears) {
    int trackedHijriYear = GregorianToHijriShifted(1, month, year, shift).year;
    otherYears = std::to_string(trackedHijriYear);

    const int firstColumn = SaturdayFirstColumn(year, month, 1);
    const std::string monthName = words(GregorianMonthNames[static_cast<std::size_t>(month - 1)]);
    const std::string yearText = Number(year, words);
    int day = 0;
    int primaryCell = 1;
    int secondaryCell = 1;
    int monthCounter = month;
    bool finished = false;
    std::string line;
    while (in.next(line)) {
        if (finished) {
            if (monthCounter > 12) {
                continue;
            }
            if (Contains(line, "</table>")) {
                out << line << '\n';
                return;
            }
            continue;
        }
        ReplaceAll(line, "MONTH1", monthName);
        ReplaceAll(line, "GEOG_YEAR", yearText);
        ReplaceAll(line, "YEAR", yearText);

        if (Contains(line, "GG1")) {
            if (primaryCell < firstColumn) {
                ReplaceAll(line, "GG1", ThreeBlanks);
            } else {
                ++day;
                ReplaceAll(line, "GG1", Number(day, words));
            }
            ++primaryCell;
        }
        if (Contains(line, "HH1")) {
            bool dayPlaced = false;
            if (secondaryCell < firstColumn) {
                ReplaceAll(line, "HH1", TwoBlanks);
            } else {
                const HijriDate h = GregorianToHijriShifted(day, monthCounter, year, shift);
                ReplaceAll(line, "HH1", Number(h.day, words));
                ColourCell(line, LookupOccasion(h.day, h.month));
                dayPlaced = true;
            }
            ++secondaryCell;
            if (Contains(line, "MNT1")) {
                // A blank cell converts day 0, the last day of the month before: a Hijri year
                // that begins on the 1st is noted already there.
                const HijriDate h = GregorianToHijriShifted(day, monthCounter, year, shift);
                if (h.year != trackedHijriYear) {
                    otherYears += StrPrintf(" - %d", h.year);
                    trackedHijriYear = h.year;
                }
                ReplaceAll(line, "MNT1",
                           dayPlaced ? HijriAbbrevOrBlanks(h.month, words) : ThreeBlanks);
            }
        }
        out << line << '\n';

        if (day == GregorianMonthDays[static_cast<std::size_t>(month - 1)]) {
            finished = true;
            ++monthCounter;
            day = 0;
            out << "</tr>\n";
        }
    }
}

// Pass 3: the filled page with the other calendar's year(s) in the first line holding "GYGYG",
// then the trailer with the collected occasion texts in its "OCCASION" lines, in order; marker
// lines left over are dropped. Years and occasions are written in the language of `words`.
// Returns false when a file could not be opened (reported); a missing trailer is silent.
bool AppendTrailer(const MonthPageFiles& files, const std::string& otherYears, const WordsOf& words,
                   MessageBoxes& boxes) {
    pages::LineReader in(files.temporaryPage);
    if (!in.isOpen()) {
        ShowFileError(boxes);
        return false;
    }
    std::ofstream out = pages::CreateFresh(files.outputPage);
    if (!out.is_open()) {
        ShowFileError(boxes);
        return false;
    }
    std::string line;
    bool yearsPlaced = false;
    while (in.next(line)) {
        if (!yearsPlaced && Contains(line, "GYGYG")) {
            ReplaceAll(line, "GYGYG", words.digits(otherYears));
            yearsPlaced = true;
        }
        out << line << '\n';
    }

    // The trailer has always been looked for one level above the installation folder; an
    // installation keeps it inside, so that is where it is read when it is not found above.
    pages::LineReader trailer(files.trailer);
    if (!trailer.isOpen() && !trailer.reopen(files.installedTrailer)) {
        return true;
    }
    int placed = 0;
    while (trailer.next(line)) {
        if (Contains(line, "OCCASION")) {
            if (occasionList.count <= 0) {
                continue;
            }
            ReplaceAll(line, "OCCASION",
                       words(occasionList.texts[static_cast<std::size_t>(placed)]));
            ++placed;
            --occasionList.count;
        }
        out << line << '\n';
    }
    return true;
}

}  // namespace

int SaturdayFirstColumn(int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12) {
        return 0;
    }
    // Days since 1970-01-01 in the Gregorian calendar (H. Hinnant's days_from_civil).
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = y / 400;  // y >= 0 here
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = era * 146097 + dayOfEra - 719468;
    const long long weekday = ((days + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday; Sunday = 0
    return weekday == 6 ? 0 : static_cast<int>(weekday) + 2;
}

MonthPageFiles MonthPageFilesFor(CalendarKind kind, const std::string& workingDirectory,
                                 const std::string& language) {
    const char* folderPattern =
        kind == CalendarKind::Hijri ? "Calendar\\Hijri\\%s\\%s" : "Calendar\\Meladi\\%s\\%s";
    const char* templateName = kind == CalendarKind::Hijri ? "month_hijri.htm" : "month_meladi.htm";
    MonthPageFiles f;
    f.monthTemplate = pages::TemplateFor(workingDirectory,
                                         StrPrintf(folderPattern, "Month", templateName), language);
    f.joinedTemplate = pages::UnderDirectory(
        workingDirectory, StrPrintf(folderPattern, "Month", "ZavCalMonth_argd.htm"));
    f.temporaryPage = pages::UnderDirectory(workingDirectory, "Calendar\\TEMP\\CalTempFile.html");
    f.outputPage = MonthPagePath(workingDirectory);
    f.trailer = pages::UnderDirectory(workingDirectory, "..\\Calendar\\Trailers\\occasion.txt");
    f.installedTrailer =
        pages::UnderDirectory(workingDirectory, "Calendar\\Trailers\\occasion.txt");
    // A translated trailer is the installation's own, so it comes before the one above it.
    const std::string translatedTrailer =
        pages::TemplateFor(workingDirectory, "Calendar\\Trailers\\occasion.txt", language);
    if (translatedTrailer != f.installedTrailer) {
        f.trailer = translatedTrailer;
    }
    return f;
}

std::string MonthPagePath(const std::string& workingDirectory) {
    return pages::UnderDirectory(workingDirectory, "Calendar\\Output\\CalOutFile.html");
}

bool BuildMonthPage(CalendarKind kind, int year, int month, const std::string& workingDirectory,
                    MessageBoxes& boxes, int hijriAdjustDays, const WordsOf& words,
                    const std::string& language) {
    if (month < 1 || month > 12) {
        return false;
    }
    const MonthPageFiles files = MonthPageFilesFor(kind, workingDirectory, language);
    ResetOccasions();

    // A failed join is reported and the build goes on with what the joined template holds.
    bool ok = JoinCells(files, boxes);

    std::string otherYears;
    {
        pages::LineReader in(files.joinedTemplate);
        std::ofstream out = pages::CreateFresh(files.temporaryPage);
        if (!in.isOpen() || !out.is_open()) {
            ShowFileError(boxes);
            return false;
        }
        if (kind == CalendarKind::Hijri) {
            if (!FillHijriMonth(in, out, year, month, hijriAdjustDays, words, otherYears, boxes)) {
                return false;
            }
        } else {
            FillGregorianMonth(in, out, year, month, hijriAdjustDays, words, otherYears);
        }
    }
    ok = AppendTrailer(files, otherYears, words, boxes) && ok;
    return ok;
}

}  // namespace salvenor

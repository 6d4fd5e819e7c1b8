// The month calendar pages: one Hijri or Gregorian month made from its template in three passes
// (cell joining, month filling, trailer) into "Calendar\Output\CalOutFile.html".
#pragma once

#include <string>

#include "base/messages.h"
#include "core/words.h"

namespace salvenor {

enum class CalendarKind { Hijri, Gregorian };

// The files of one page build, as absolute (native) paths under the installation folder.
struct MonthPageFiles {
    std::string monthTemplate;     // "Calendar\Hijri\Month\month_hijri.htm" or the Meladi one
    std::string joinedTemplate;    // "ZavCalMonth_argd.htm" beside the English month template
    std::string temporaryPage;     // "Calendar\TEMP\CalTempFile.html"
    std::string outputPage;        // "Calendar\Output\CalOutFile.html"
    std::string trailer;           // "..\Calendar\Trailers\occasion.txt" (or the translated
                                   // one of the installation), tried first
    std::string installedTrailer;  // "Calendar\Trailers\occasion.txt", where installation puts it
};

// A language ("ar") takes its translated month template and trailer, in folders of that name
// beside the English ones, where the installation has them.
MonthPageFiles MonthPageFilesFor(CalendarKind kind, const std::string& workingDirectory,
                                 const std::string& language = {});

// The page the calendar window shows after every build.
std::string MonthPagePath(const std::string& workingDirectory);

// Builds the page of `month` (1..12) of `year` in the calendar `kind` from the templates under
// `workingDirectory`. Every file that cannot be opened is reported with the file error (the
// trailer excepted: a missing trailer only leaves the page without its end), and so is a Hijri
// month whose first day cannot be found; then no new page is written. Returns false when a message
// was shown (or the month is outside 1..12, when nothing is done at all). Every Hijri date of the
// page, and so every occasion, is the arithmetic one shifted by `hijriAdjustDays` (the user's
// Hijri day adjustment, CalculationOptions::hijriAdjustDays). Month names, days, years and
// occasions are written in the language of `words`, into the templates of `language`.
bool BuildMonthPage(CalendarKind kind, int year, int month, const std::string& workingDirectory,
                    MessageBoxes& boxes, int hijriAdjustDays = 0, const WordsOf& words = {},
                    const std::string& language = {});

// The column of a Gregorian date in a week that runs from Saturday (1) to Friday (7), with 0 for
// Saturday (which lays out as column 1) and for years before 1 (no blank cells then).
int SaturdayFirstColumn(int year, int month, int day);

}  // namespace salvenor

// The month pages built from small templates of the tests' own: the documented months of both
// calendars cell by cell, the colours, the occasion trailer, cell joining and the file failures.
#include "pages/month_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "core/hijri.h"
#include "core/str_printf.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/fakes.h"

namespace salvenor {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using testing::InstallationFolder;
using ::testing::Not;
using testing::ReadText;
using testing::RecordingMessageBoxes;
using testing::SplitLines;

constexpr const char* Orange = "#FF8000";
constexpr const char* Green = "#00FF00";
constexpr const char* Grey = "#C9C9C9";
constexpr const char* Pink = "#FFE1E7";
constexpr const char* FileError = "File Error...you may need to re-install ZAV again!!!";

// A month template: a heading with every year placeholder, two "GYGYG" lines, then six weeks of
// seven cells, each spread over four lines: "[primary|secondary|MNT1]" in an orange cell with
// white text.
std::string MonthTemplate(const std::string& primary, const std::string& secondary) {
    std::string t = "<html>\n<title>MONTH1 HIJ_YEAR GEOG_YEAR YEAR</title>\n";
    t += "<h1>GYGYG</h1>\n<h2>GYGYG</h2>\n<table>\n";
    for (int week = 0; week < 6; ++week) {
        t += "<tr>\n";
        for (int day = 0; day < 7; ++day) {
            t += "<td bgcolor=\"#FF8000\" class=\"day\">\n[" + primary + "|" + secondary +
                 "|MNT1]\n<font color=\"#FFFFFF\">\n</font></td>\n";
        }
        t += "</tr>\n";
    }
    t += "</table>\n<p>after the table</p>\n</html>\n";
    return t;
}

constexpr const char* TestTrailer =
    "</table>\n<ol>\n<li>OCCASION</font></li>\n<li>OCCASION</font></li>\n"
    "<li>OCCASION</font></li>\n<li>OCCASION</font></li>\n<li>OCCASION</font></li>\n"
    "<li>OCCASION</font></li>\n</ol>\n<p>end of page</p>\n";

std::string Occasion(const std::string& label, const std::string& title) {
    return label + "<font color=\"#800040\">" + title;
}

// One joined cell of a page written from MonthTemplate.
struct Cell {
    std::string background;
    std::string textColour;
    std::string primary;
    std::string secondary;
    std::string mark;
};

std::string After(const std::string& line, const std::string& key, std::size_t length) {
    const std::size_t at = line.find(key);
    return at == std::string::npos ? std::string() : line.substr(at + key.size(), length);
}

std::vector<Cell> CellsOf(const std::string& page) {
    std::vector<Cell> cells;
    for (const std::string& line : SplitLines(page)) {
        if (line.rfind("<td", 0) != 0) {
            continue;
        }
        Cell c;
        c.background = After(line, "bgcolor=\"", 7);
        c.textColour = After(line, "<font color=\"", 7);
        const std::size_t open = line.find('[');
        const std::size_t bar1 = line.find('|', open);
        const std::size_t bar2 = line.find('|', bar1 + 1);
        const std::size_t close = line.find(']', bar2);
        c.primary = line.substr(open + 1, bar1 - open - 1);
        c.secondary = line.substr(bar1 + 1, bar2 - bar1 - 1);
        c.mark = line.substr(bar2 + 1, close - bar2 - 1);
        cells.push_back(c);
    }
    return cells;
}

// The occasion texts of a page, as the test trailer lists them.
std::vector<std::string> ListedOccasions(const std::string& page) {
    std::vector<std::string> listed;
    for (const std::string& line : SplitLines(page)) {
        if (line.rfind("<li>", 0) == 0) {
            listed.push_back(line.substr(4, line.size() - 4 - std::string("</font></li>").size()));
        }
    }
    return listed;
}

class MonthPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.write("Calendar/Hijri/Month/month_hijri.htm", MonthTemplate("HH1", "GG1"));
        folder.write("Calendar/Meladi/Month/month_meladi.htm", MonthTemplate("GG1", "HH1"));
        folder.write("Calendar/Trailers/occasion.txt", TestTrailer);
    }
    bool Build(CalendarKind kind, int year, int month) {
        return BuildMonthPage(kind, year, month, folder.path(), boxes);
    }
    std::string Output() const { return ReadText(folder.at("Calendar/Output/CalOutFile.html")); }
    std::string Temporary() const { return ReadText(folder.at("Calendar/TEMP/CalTempFile.html")); }

    InstallationFolder folder;
    RecordingMessageBoxes boxes;
};

// --- Hijri pages -------------------------------------------------------------------------------

struct HijriCase {
    const char* name;
    int year;
    int month;
    std::chrono::sys_days firstDay;  // the Gregorian day of the first numbered cell
    int blanks;                      // cells before it
    std::string otherYears;
    std::set<int> grey, pink, green;  // by the page's day count
    std::vector<std::string> occasions;
};

void PrintTo(const HijriCase& c, std::ostream* os) {
    *os << c.name;
}

// The length of the page: consecutive days from the first that convert into the month.
int DaysConvertingInto(std::chrono::sys_days day, int month) {
    int n = 0;
    for (;; day += std::chrono::days(1), ++n) {
        const std::chrono::year_month_day ymd(day);
        if (GregorianToHijri(static_cast<int>(static_cast<unsigned>(ymd.day())),
                             static_cast<int>(static_cast<unsigned>(ymd.month())),
                             static_cast<int>(ymd.year()))
                .month != month) {
            return n;
        }
    }
}

class HijriPageTest : public MonthPageTest, public ::testing::WithParamInterface<HijriCase> {};

TEST_P(HijriPageTest, FillsTheMonthCellByCell) {
    const HijriCase& c = GetParam();
    ASSERT_TRUE(Build(CalendarKind::Hijri, c.year, c.month));
    EXPECT_THAT(boxes.texts(), ::testing::IsEmpty());
    const std::string page = Output();
    const std::vector<Cell> cells = CellsOf(page);
    const int days = DaysConvertingInto(c.firstDay, c.month);

    ASSERT_EQ(static_cast<int>(cells.size()), c.blanks + days);
    for (int i = 0; i < c.blanks; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cells[i].primary, "  ");
        EXPECT_EQ(cells[i].secondary, "  ");
        EXPECT_EQ(cells[i].mark, "   ");
        EXPECT_EQ(cells[i].background, Orange);
    }
    for (int day = 1; day <= days; ++day) {
        SCOPED_TRACE(day);
        const Cell& cell = cells[c.blanks + day - 1];
        const std::chrono::year_month_day g(c.firstDay + std::chrono::days(day - 1));
        EXPECT_EQ(cell.primary, std::to_string(day));
        EXPECT_EQ(cell.secondary, std::to_string(static_cast<unsigned>(g.day())));
        EXPECT_EQ(cell.mark, GregorianMonthAbbrevs[static_cast<unsigned>(g.month()) - 1]);
        const char* colour = c.grey.count(day)    ? Grey
                             : c.pink.count(day)  ? Pink
                             : c.green.count(day) ? Green
                                                  : Orange;
        EXPECT_EQ(cell.background, colour);
        EXPECT_EQ(cell.textColour, colour == Orange ? "#FFFFFF" : "#000000");
    }
    EXPECT_THAT(ListedOccasions(page), ElementsAreArray(c.occasions));

    const std::string title = StrPrintf("<title>%s %d GEOG_%d %d</title>",
                                        HijriMonthNames[c.month - 1], c.year, c.year, c.year);
    EXPECT_THAT(page, HasSubstr(title));
    EXPECT_THAT(page, HasSubstr("<h1>" + c.otherYears + "</h1>\n<h2>GYGYG</h2>"));
}

TEST_P(HijriPageTest, ReplacesEveryLineAfterTheLastDayByARowEnd) {
    const HijriCase& c = GetParam();
    ASSERT_TRUE(Build(CalendarKind::Hijri, c.year, c.month));
    const std::vector<std::string> lines = SplitLines(Temporary());
    std::size_t last = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("<td", 0) == 0) {
            last = i;
        }
    }
    ASSERT_LT(last + 1, lines.size());
    for (std::size_t i = last + 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], "</tr>") << i;
    }
    const std::string page = Output();
    EXPECT_THAT(page, Not(HasSubstr("after the table")));
    EXPECT_THAT(page, HasSubstr("</tr>\n</table>\n<ol>\n"));  // the trailer follows at once
    EXPECT_THAT(page, HasSubstr("<p>end of page</p>\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Months, HijriPageTest,
    ::testing::Values(
        // 24 September 2006 is 1 Ramadan, a Sunday: one blank cell.
        HijriCase{"Ramadan1427",
                  1427,
                  9,
                  std::chrono::sys_days(2006y / 9 / 24),
                  1,
                  "2006",
                  {1, 17, 21},
                  {20, 22, 24, 26, 28},
                  {},
                  {Occasion("1  Ramadan: ", "Start Of Ramadan"),
                   Occasion("17 Ramadan: ", "Battle of Badr"),
                   Occasion("21 Ramadan: ", "Conquest of Makkah")}},
        // 22 December 2006, a Friday, to 19 January 2007: the page counts 29 days although the
        // conversion steps from 10 to 12 across the new year.
        HijriCase{"ThwAlHijjah1427",
                  1427,
                  12,
                  std::chrono::sys_days(2006y / 12 / 22),
                  6,
                  "2006 - 2007",
                  {},
                  {},
                  {9, 10, 11, 12},
                  {Occasion("9  of Thw al-Hijjah: ", "Day of Araft"),
                   Occasion("10,11,12 of Thw al-Hijjah: ", "Eid Al-Adha")}},
        // The month began in 1997: the page starts on 1 January 1998 (a Thursday, 2 Ramadan by
        // conversion) and numbers it 1.
        HijriCase{"Ramadan1418",
                  1418,
                  9,
                  std::chrono::sys_days(1998y / 1 / 1),
                  5,
                  "1998",
                  {1, 17, 21},
                  {20, 22, 24, 26, 28},
                  {},
                  {Occasion("1  Ramadan: ", "Start Of Ramadan"),
                   Occasion("17 Ramadan: ", "Battle of Badr"),
                   Occasion("21 Ramadan: ", "Conquest of Makkah")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonthPageTest, HijriMonthWhoseFirstDayCannotBeFoundWritesNoNewPage) {
    folder.write("Calendar/Output/CalOutFile.html", "the page before\n");
    // Year 0: no day of the Gregorian year of its 1 Muharram converts into it.
    EXPECT_FALSE(Build(CalendarKind::Hijri, 0, 1));
    EXPECT_THAT(boxes.texts(), ElementsAre(FileError));
    EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Output(), "the page before\n");
}

// --- Gregorian pages ---------------------------------------------------------------------------

TEST_F(MonthPageTest, October2006) {
    ASSERT_TRUE(Build(CalendarKind::Gregorian, 2006, 10));
    EXPECT_THAT(boxes.texts(), ::testing::IsEmpty());
    const std::string page = Output();
    const std::vector<Cell> cells = CellsOf(page);
    ASSERT_EQ(cells.size(), 1u + 31u);

    // 1 October 2006 is a Sunday.
    EXPECT_EQ(cells[0].primary, "   ");
    EXPECT_EQ(cells[0].secondary, "  ");
    EXPECT_EQ(cells[0].mark, "   ");
    const std::set<int> grey = {10, 14, 29}, pink = {13, 15, 17, 19, 21}, green = {24, 25, 26};
    for (int day = 1; day <= 31; ++day) {
        SCOPED_TRACE(day);
        const Cell& cell = cells[day];
        // 1 October is 8 Ramadan and 24 October 1 Shawwal.
        const int hijriDay = day <= 23 ? day + 7 : day - 23;
        EXPECT_EQ(cell.primary, std::to_string(day));
        EXPECT_EQ(cell.secondary, std::to_string(hijriDay));
        EXPECT_EQ(cell.mark, day <= 23 ? "Rmdn" : "Shwl");
        const char* colour = grey.count(day)    ? Grey
                             : pink.count(day)  ? Pink
                             : green.count(day) ? Green
                                                : Orange;
        EXPECT_EQ(cell.background, colour);
        EXPECT_EQ(cell.textColour, colour == Orange ? "#FFFFFF" : "#000000");
    }
    EXPECT_THAT(ListedOccasions(page), ElementsAre(Occasion("17 Ramadan: ", "Battle of Badr"),
                                                   Occasion("21 Ramadan: ", "Conquest of Makkah"),
                                                   Occasion("1,2,3 Shawwal: ", "Eid Al-Fitr"),
                                                   Occasion("6  Shawwal: ", "Battle of Uhud")));
    EXPECT_THAT(page, HasSubstr("<title>October HIJ_2006 2006 2006</title>"));
    EXPECT_THAT(page, HasSubstr("<h1>1427</h1>\n<h2>GYGYG</h2>"));
    // One row end after the last day, the lines up to "</table>" dropped, "</table>" written
    // and nothing of the template after it.
    EXPECT_THAT(page, HasSubstr("</td>\n</tr>\n</table>\n</table>\n<ol>"));
    EXPECT_THAT(page, Not(HasSubstr("after the table")));
}

TEST_F(MonthPageTest, DecemberCopiesNothingAfterItsLastDay) {
    ASSERT_TRUE(Build(CalendarKind::Gregorian, 2006, 12));
    std::string temporary = Temporary();
    EXPECT_EQ(CellsOf(temporary).size(), 6u + 31u);  // 1 December 2006 is a Friday
    EXPECT_EQ(CellsOf(temporary).back().primary, "31");
    EXPECT_THAT(temporary, Not(HasSubstr("</table>")));
    EXPECT_TRUE(temporary.ends_with("</font></td>\n</tr>\n"));
    temporary.replace(temporary.find("GYGYG"), 5, "1427");
    const std::string page = Output();
    EXPECT_TRUE(page.starts_with(temporary + "</table>\n<ol>\n")) << page;
    // 30 and 31 December 2006 are 9 and 10 Thw al-Hijjah 1427.
    const std::vector<std::string> listed = ListedOccasions(page);
    ASSERT_GE(listed.size(), 2u);
    EXPECT_THAT(std::vector<std::string>(listed.end() - 2, listed.end()),
                ElementsAre(Occasion("9  of Thw al-Hijjah: ", "Day of Araft"),
                            Occasion("10,11,12 of Thw al-Hijjah: ", "Eid Al-Adha")));
}

// A Gregorian month whose 1st begins a Hijri year that the day before it does not belong to, and
// which does not begin on a Saturday: the blank cells convert that day before.
TEST_F(MonthPageTest, BlankLeadingCellsNoteTheHijriYearOfTheDayBefore) {
    int year = 0, month = 0;
    for (int y = 1990; y < 2100 && month == 0; ++y) {
        for (int m = 2; m <= 12; ++m) {
            const int lastDayBefore =
                std::chrono::year_month_day_last(std::chrono::year(y) / (m - 1) / std::chrono::last)
                    .day()
                    .
                    operator unsigned();
            const int lengthBefore = m - 1 == 2 ? (y % 4 == 0 ? 29 : 28) : lastDayBefore;
            const bool saturday =
                std::chrono::weekday(std::chrono::sys_days(std::chrono::year(y) / m / 1)) ==
                std::chrono::Saturday;
            if (!saturday &&
                GregorianToHijri(1, m, y).year != GregorianToHijri(lengthBefore, m - 1, y).year) {
                year = y;
                month = m;
                break;
            }
        }
    }
    ASSERT_NE(month, 0);
    ASSERT_TRUE(Build(CalendarKind::Gregorian, year, month));
    const int h = GregorianToHijri(1, month, year).year;
    EXPECT_THAT(Output(), HasSubstr(StrPrintf("<h1>%d - %d - %d</h1>", h, h - 1, h)));
}

TEST_F(MonthPageTest, GregorianPageBeforeTheHijriEpochLeavesTheMonthMarksBlank) {
    ASSERT_TRUE(Build(CalendarKind::Gregorian, 1, 1));
    const std::vector<Cell> cells = CellsOf(Output());
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.back().primary, "31");
    for (const Cell& cell : cells) {
        EXPECT_EQ(cell.mark, "   ");
    }
}

// --- Trailer -----------------------------------------------------------------------------------

TEST_F(MonthPageTest, TrailerMarkersBeyondTheOccasionsVanish) {
    folder.write("Calendar/Trailers/occasion.txt",
                 "<p>start</p>\n<p>OCCASION one</p>\n<p>middle</p>\n<p>OCCASION two</p>\n"
                 "<p>OCCASION three</p>\n<p>end</p>\n");
    // Muharram has one occasion, on its 1st.
    ASSERT_TRUE(Build(CalendarKind::Hijri, 1428, 1));
    const std::string page = Output();
    EXPECT_TRUE(page.ends_with("</tr>\n<p>start</p>\n<p>" +
                               Occasion("1 Muhaaran: ", " Start of the Hijri Calendar") +
                               " one</p>\n<p>middle</p>\n<p>end</p>\n"));
}

TEST_F(MonthPageTest, OccasionsBeyondTheMarkersAreNotShown) {
    folder.write("Calendar/Trailers/occasion.txt", "OCCASION\n");
    ASSERT_TRUE(Build(CalendarKind::Gregorian, 2006, 10));
    EXPECT_TRUE(Output().ends_with("\n" + Occasion("17 Ramadan: ", "Battle of Badr") + "\n"));
}

TEST_F(MonthPageTest, TrailerAboveTheInstallationFolderComesFirst) {
    folder.writeFile(folder.above("Calendar/Trailers/occasion.txt"), "<p>above</p>\n");
    ASSERT_TRUE(Build(CalendarKind::Hijri, 1427, 9));
    EXPECT_TRUE(Output().ends_with("</tr>\n<p>above</p>\n"));
}

TEST_F(MonthPageTest, MissingTrailerLeavesThePageWithoutItsEndSilently) {
    std::filesystem::remove(folder.at("Calendar/Trailers/occasion.txt"));
    ASSERT_TRUE(Build(CalendarKind::Hijri, 1427, 9));
    EXPECT_THAT(boxes.texts(), ::testing::IsEmpty());
    EXPECT_EQ(Output(), [&] {
        std::string expected = Temporary();
        expected.replace(expected.find("GYGYG"), 5, "2006");
        return expected;
    }());
}

// --- Cell joining ------------------------------------------------------------------------------

TEST_F(MonthPageTest, JoinsEachCellIntoOneLine) {
    folder.write("Calendar/Hijri/Month/month_hijri.htm",
                 "<table>\r\n<tr>\r\n<td a>\r\nx\r\ny</td>\r\n<td b>\r\n</td>\r\n"
                 // One-line cells absorb the line after them.
                 "<td>1</td>\r\n<td>2</td>\r\n<td>3</td>\r\n<td>4</td>\r\n</tr>\r\n"
                 // A cell still open at the end is dropped.
                 "<td open>\r\nlost");
    Build(CalendarKind::Hijri, 1427, 9);
    EXPECT_EQ(ReadText(folder.at("Calendar/Hijri/Month/ZavCalMonth_argd.htm")),
              "<table>\n<tr>\n<td a>xy</td>\n<td b></td>\n<td>1</td><td>2</td>\n"
              "<td>3</td><td>4</td>\n</tr>\n");
}

// --- Colouring a cell without the default attributes -------------------------------------------

TEST_F(MonthPageTest, CellsWithoutDefaultColoursGetTheAttributesAfterTheirOpening) {
    std::string row = "<tr>\n";
    for (int i = 0; i < 13; ++i) {
        row += "<td x=\"1\">\n[GG1|HH1|MNT1]</td>\n";
    }
    // Without "<td " (with its space) there is nowhere to put them.
    row += "<td>\n[GG1|HH1|MNT1]</td>\n</tr>\n";
    folder.write("Calendar/Meladi/Month/month_meladi.htm", row);
    ASSERT_TRUE(Build(CalendarKind::Gregorian, 2006, 10));
    const std::vector<std::string> lines = SplitLines(Output());
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[1], "<td x=\"1\">[   |  |   ]</td>");
    EXPECT_EQ(lines[2], "<td x=\"1\">[1|8|Rmdn]</td>");
    // 10 October 2006 is 17 Ramadan: the text colour stands first, with no space between.
    EXPECT_EQ(lines[11], "<td color=\"#000000\"bgcolor=\"#C9C9C9\" x=\"1\">[10|17|Rmdn]</td>");
    // 13 October 2006 is 20 Ramadan.
    EXPECT_EQ(lines[14], "<td>[13|20|Rmdn]</td>");
}

// --- File failures -----------------------------------------------------------------------------

TEST_F(MonthPageTest, MissingMonthTemplateLeavesAPageOfTheTrailerAlone) {
    std::filesystem::remove(folder.at("Calendar/Hijri/Month/month_hijri.htm"));
    EXPECT_FALSE(Build(CalendarKind::Hijri, 1427, 9));
    EXPECT_THAT(boxes.texts(), ElementsAre(FileError));
    EXPECT_EQ(ReadText(folder.at("Calendar/Hijri/Month/ZavCalMonth_argd.htm")), "");
    EXPECT_EQ(Output(), "</table>\n<ol>\n</ol>\n<p>end of page</p>\n");
}

TEST_F(MonthPageTest, UnwritableTemporaryPageStopsTheBuild) {
    folder.write("Calendar/Output/CalOutFile.html", "the page before\n");
    std::filesystem::remove_all(folder.at("Calendar/TEMP"));
    EXPECT_FALSE(Build(CalendarKind::Gregorian, 2006, 10));
    EXPECT_THAT(boxes.texts(), ElementsAre(FileError));
    EXPECT_EQ(Output(), "the page before\n");
}

TEST_F(MonthPageTest, UnwritableOutputIsReported) {
    std::filesystem::remove_all(folder.at("Calendar/Output"));
    EXPECT_FALSE(Build(CalendarKind::Gregorian, 2006, 10));
    EXPECT_THAT(boxes.texts(), ElementsAre(FileError));
}

TEST_F(MonthPageTest, BothMonthFoldersMissingShowTheMessageTwice) {
    std::filesystem::remove_all(folder.at("Calendar/Meladi"));
    EXPECT_FALSE(Build(CalendarKind::Gregorian, 2006, 10));
    EXPECT_THAT(boxes.texts(), ElementsAre(FileError, FileError));
}

TEST_F(MonthPageTest, MonthOutsideTheYearBuildsNothing) {
    EXPECT_FALSE(Build(CalendarKind::Hijri, 1427, 0));
    EXPECT_FALSE(Build(CalendarKind::Gregorian, 2006, 13));
    EXPECT_THAT(boxes.texts(), ::testing::IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder.at("Calendar/Output/CalOutFile.html")));
}

// --- First-day column --------------------------------------------------------------------------

// --- The Hijri day adjustment ------------------------------------------------------------------

// Plain conversion: 1 October 2006 is 8 Ramadan 1427, 24 October 1 Shawwal (Eid al-Fitr on the
// 24th to 26th); 1 January 2007 is 12 Thw al-Hijjah 1427 (the day before is the 10th) and
// 20 January 1 Muharram 1428. An adjustment of N days moves each month's first day N days earlier
// on the Gregorian calendar.
TEST_F(MonthPageTest, TheHijriDayAdjustmentShiftsGregorianPagesAcrossMonthAndYearEnds) {
    struct Case {
        int year, month, shift;
        int firstCellHijriDay;  // of the Gregorian 1st
        int newMonthDay;        // the Gregorian day that is the 1st of the next Hijri month
        const char* before;     // the month marks on either side of it
        const char* after;
        const char* colour;  // of that day's cell
        const char* years;   // the Hijri years of the page
    };
    const Case cases[] = {
        {2006, 10, 0, 8, 24, "Rmdn", "Shwl", Green, "1427"},
        {2006, 10, 1, 9, 23, "Rmdn", "Shwl", Green, "1427"},
        {2006, 10, 2, 10, 22, "Rmdn", "Shwl", Green, "1427"},
        {2006, 10, -1, 7, 25, "Rmdn", "Shwl", Green, "1427"},
        {2006, 10, -2, 6, 26, "Rmdn", "Shwl", Green, "1427"},
        {2007, 1, 0, 12, 20, "Hjah", "Muhr", Grey, "1427 - 1428"},
        {2007, 1, 1, 13, 19, "Hjah", "Muhr", Grey, "1427 - 1428"},
        {2007, 1, -2, 9, 22, "Hjah", "Muhr", Grey, "1427 - 1428"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << " shift " << c.shift);
        ASSERT_TRUE(BuildMonthPage(CalendarKind::Gregorian, c.year, c.month, folder.path(), boxes,
                                   c.shift));
        const std::string page = Output();
        std::vector<Cell> cells = CellsOf(page);
        // Leading blank cells: 1 October 2006 is a Sunday (one blank), 1 January 2007 a Monday.
        cells.erase(cells.begin(), cells.begin() + (c.year == 2006 ? 1 : 2));
        ASSERT_GE(cells.size(), static_cast<std::size_t>(c.newMonthDay));
        EXPECT_EQ(cells[0].secondary, std::to_string(c.firstCellHijriDay));
        const Cell& first = cells[static_cast<std::size_t>(c.newMonthDay - 1)];
        const Cell& last = cells[static_cast<std::size_t>(c.newMonthDay - 2)];
        EXPECT_EQ(first.secondary, "1");
        EXPECT_EQ(first.mark, c.after);
        EXPECT_EQ(last.mark, c.before);
        EXPECT_EQ(first.background, c.colour);
        EXPECT_EQ(last.background, Orange);
        EXPECT_THAT(page, HasSubstr(std::string("<h1>") + c.years + "</h1>"));
    }
    EXPECT_THAT(boxes.texts(), ::testing::IsEmpty());
}

TEST_F(MonthPageTest, TheHijriDayAdjustmentMovesTheFirstDayOfHijriPages) {
    struct Case {
        int year, month, shift;
        int firstDay;  // the Gregorian day of the page's 1st
        const char* gregorianMonth;
        const char* years;
    };
    const Case cases[] = {
        {1427, 10, 0, 24, "OCT", "2006"},  {1427, 10, 1, 23, "OCT", "2006"},
        {1427, 10, -1, 25, "OCT", "2006"}, {1428, 1, 0, 20, "JAN", "2007"},
        {1428, 1, 2, 18, "JAN", "2007"},   {1428, 1, -1, 21, "JAN", "2007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << " shift " << c.shift);
        ASSERT_TRUE(
            BuildMonthPage(CalendarKind::Hijri, c.year, c.month, folder.path(), boxes, c.shift));
        const std::string page = Output();
        const std::vector<Cell> cells = CellsOf(page);
        const auto first = std::find_if(cells.begin(), cells.end(),
                                        [](const Cell& cell) { return cell.primary == "1"; });
        ASSERT_NE(first, cells.end());
        EXPECT_EQ(first->secondary, std::to_string(c.firstDay));
        EXPECT_EQ(first->mark, c.gregorianMonth);
        EXPECT_THAT(page, HasSubstr(std::string("<h1>") + c.years + "</h1>"));
    }
}

TEST(SaturdayFirstColumnTest, CountsFromSaturday) {
    struct Case {
        int year, month, day, column;
    };
    for (const Case& c : {Case{2006, 10, 21, 0},  // Saturday
                          Case{2006, 9, 24, 2},   // Sunday
                          Case{1998, 1, 1, 6},    // Thursday
                          Case{2006, 12, 22, 7},  // Friday
                          Case{2000, 2, 29, 4},   // Tuesday
                          Case{1900, 3, 1, 6},    // Thursday (1900 had no 29 February)
                          Case{1, 1, 1, 3},       // Monday, proleptic
                          Case{0, 1, 1, 0}, Case{-5, 3, 1, 0}}) {
        EXPECT_EQ(SaturdayFirstColumn(c.year, c.month, c.day), c.column)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

}  // namespace
}  // namespace salvenor

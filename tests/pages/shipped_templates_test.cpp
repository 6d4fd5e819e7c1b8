// The templates and the trailer shipped in data/: every month of the years people use builds
// without a message into a whole page, and today's template carries every placeholder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "core/hijri.h"
#include "core/month_days.h"
#include "pages/month_page.h"
#include "pages/today_page.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/fakes.h"

namespace salvenor {
namespace {

using ::testing::HasSubstr;
using testing::InstallationFolder;
using testing::ReadText;
using testing::RecordingMessageBoxes;

// An sRGB colour "#RRGGBB" as the pages write it.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

Rgb ParseColour(const std::string& hex) {
    return {std::stoi(hex.substr(1, 2), nullptr, 16), std::stoi(hex.substr(3, 2), nullptr, 16),
            std::stoi(hex.substr(5, 2), nullptr, 16)};
}

// WCAG 2 relative luminance.
double Luminance(const Rgb& c) {
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

double Contrast(const Rgb& a, const Rgb& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The shade a greyscale printer gives a colour (Qt's weighting of red, green and blue).
Rgb Grey(const Rgb& c) {
    const int grey = (c.r * 11 + c.g * 16 + c.b * 5) / 32;
    return {grey, grey, grey};
}

// Every text colour of a page with the background it stands on: tags are walked in order, each
// body, table and cell giving its background (its own bgcolor, or the one it stands in) until it
// closes; every color= or text= attribute is text on the background of the place it is in.
struct ColourPair {
    std::string text;
    std::string background;
    std::string where;
};

std::vector<ColourPair> TextOnBackgrounds(const std::string& page) {
    static const std::regex tag(R"(<(/?)(\w+)([^>]*)>)");
    static const std::regex attribute(R"((^|[\s"])(bgcolor|color|text)="(#[0-9A-Fa-f]{6}))");
    std::vector<ColourPair> pairs;
    std::vector<std::string> backgrounds{"#FFFFFF"};  // what a browser shows without a colour
    for (auto t = std::sregex_iterator(page.begin(), page.end(), tag); t != std::sregex_iterator();
         ++t) {
        const std::string name = (*t)[2];
        const bool closing = (*t)[1].length() > 0;
        const bool area = name == "body" || name == "table" || name == "td" || name == "th";
        if (closing) {
            if (area && backgrounds.size() > 1) {
                backgrounds.pop_back();
            }
            continue;
        }
        const std::string attributes = (*t)[3];
        std::string background = backgrounds.back();
        std::vector<std::string> texts;
        for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
             a != std::sregex_iterator(); ++a) {
            if ((*a)[2] == "bgcolor") {
                background = (*a)[3];
            } else {
                texts.push_back((*a)[3]);
            }
        }
        if (area) {
            backgrounds.push_back(background);
        }
        for (const std::string& text : texts) {
            pairs.push_back({text, background, t->str()});
        }
    }
    return pairs;
}

void ExpectReadable(const std::string& page, const std::string& name) {
    const std::vector<ColourPair> pairs = TextOnBackgrounds(page);
    ASSERT_FALSE(pairs.empty()) << name;
    for (const ColourPair& p : pairs) {
        const Rgb text = ParseColour(p.text);
        const Rgb background = ParseColour(p.background);
        EXPECT_GE(Contrast(text, background), 4.5)
            << name << ": " << p.text << " on " << p.background << " in " << p.where;
        EXPECT_GE(Contrast(Grey(text), Grey(background)), 4.5)
            << name << " in grey: " << p.text << " on " << p.background << " in " << p.where;
    }
}

class ShippedTemplatesTest : public ::testing::Test {
  protected:
    void SetUp() override { folder.copyCalendarFrom(SALVENOR_SOURCE_DATA_DIR); }

    // The day numbers of the page's cells in order, blanks left out.
    static std::vector<int> DayNumbers(const std::string& page) {
        static const std::string before = "<font size=\"6\" color=\"#000000\"><b>";
        std::vector<int> days;
        for (std::size_t at = page.find(before); at != std::string::npos;
             at = page.find(before, at + 1)) {
            const std::size_t start = at + before.size();
            const std::string text = page.substr(start, page.find("</b>", start) - start);
            if (text.find_first_not_of(' ') != std::string::npos) {
                days.push_back(std::stoi(text));
            }
        }
        return days;
    }

    // A whole page: every placeholder filled, every collected occasion placed, the end there.
    void ExpectWholePage(CalendarKind kind, int year, int month, int minDays, int maxDays,
                         const WordsOf& words = {}, const std::string& language = {}) {
        boxes.entries.clear();
        ASSERT_TRUE(BuildMonthPage(kind, year, month, folder.path(), boxes, 0, words, language))
            << year << "/" << month;
        ASSERT_TRUE(boxes.entries.empty()) << boxes.entries[0].text;
        EXPECT_EQ(occasionList.count, 0)
            << "more occasions than trailer lines: " << year << "/" << month;
        const std::string page = ReadText(MonthPagePath(folder.path()));
        for (const char* placeholder :
             {"MONTH1", "HH1", "GG1", "MNT1", "YEAR", "GYGYG", "OCCASION"}) {
            ASSERT_EQ(page.find(placeholder), std::string::npos)
                << placeholder << " left in " << year << "/" << month;
        }
        ASSERT_TRUE(page.starts_with(language.empty() ? "<html>" : "<html "))
            << year << "/" << month;
        ASSERT_TRUE(page.ends_with("</body>\n</html>\n")) << year << "/" << month;
        const std::vector<int> days = DayNumbers(page);
        ASSERT_GE(static_cast<int>(days.size()), minDays) << year << "/" << month;
        ASSERT_LE(static_cast<int>(days.size()), maxDays) << year << "/" << month;
        for (std::size_t i = 0; i < days.size(); ++i) {
            ASSERT_EQ(days[i], static_cast<int>(i) + 1) << year << "/" << month;
        }
    }

    InstallationFolder folder;
    RecordingMessageBoxes boxes;
};

TEST_F(ShippedTemplatesTest, EveryHijriMonthOf1300To1700) {
    for (int year = 1300; year <= 1700; ++year) {
        for (int month = 1; month <= 12; ++month) {
            // A month lasts as long as consecutive days convert into it: 29 or 30 days, or a day
            // more or less where a Gregorian new year repeats or skips a Hijri day.
            ExpectWholePage(CalendarKind::Hijri, year, month, 28, 31);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST_F(ShippedTemplatesTest, EveryGregorianMonthOf1900To2100) {
    for (int year = 1900; year <= 2100; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int length = month == 2 ? (year % 4 == 0 ? 29 : 28)
                               : (month == 4 || month == 6 || month == 9 || month == 11) ? 30
                                                                                         : 31;
            ExpectWholePage(CalendarKind::Gregorian, year, month, length, length);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST_F(ShippedTemplatesTest, MonthHeadingsNameTheMonthAndTheYears) {
    ASSERT_TRUE(BuildMonthPage(CalendarKind::Hijri, 1427, 12, folder.path(), boxes));
    std::string page = ReadText(MonthPagePath(folder.path()));
    EXPECT_THAT(page, HasSubstr("Thw al-Hijjah 1427"));
    EXPECT_THAT(page, HasSubstr("2006 - 2007"));
    ASSERT_TRUE(BuildMonthPage(CalendarKind::Gregorian, 2006, 10, folder.path(), boxes));
    page = ReadText(MonthPagePath(folder.path()));
    EXPECT_THAT(page, HasSubstr("October 2006"));
    EXPECT_THAT(page, HasSubstr("1427"));
    // The trailer's legend names every colour a cell can take.
    for (const char* colour : {"#FFFFFF", "#00FF00", "#C9C9C9", "#FFE1E7"}) {
        EXPECT_THAT(page, HasSubstr(std::string("<td bgcolor=\"") + colour + "\" width="))
            << colour;
    }
}

// Each language's month templates and trailer give the English calendar in its own words: the same
// days in the same cells, the month name and every occasion through the language's words.
TEST_F(ShippedTemplatesTest, EveryLanguagesMonthPagesHoldTheSameCalendar) {
    const WordsOf bracketed = [](const char* english) { return "[" + std::string(english) + "]"; };
    const struct {
        CalendarKind kind;
        int year;
        int month;
        int days;
        const char* monthName;
    } months[] = {
        {CalendarKind::Hijri, 1446, 9, 29, "[Ramadan]"},
        {CalendarKind::Hijri, 1427, 12, 30, "[Thw al-Hijjah]"},
        {CalendarKind::Gregorian, 2025, 3, 31, "[March]"},
        {CalendarKind::Gregorian, 2006, 10, 31, "[October]"},
    };
    const auto count = [](const std::string& page, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = page.find(what); at != std::string::npos;
             at = page.find(what, at + 1)) {
            ++n;
        }
        return n;
    };
    for (const auto& m : months) {
        ASSERT_TRUE(BuildMonthPage(m.kind, m.year, m.month, folder.path(), boxes));
        const std::size_t occasions = count(ReadText(MonthPagePath(folder.path())), "<li><b>");
        ASSERT_GT(occasions, 0U);
        for (const char* language : {"ar", "ur", "id", "tr", "fr", "ms"}) {
            SCOPED_TRACE(std::string(language) + " " + std::to_string(m.year));
            ExpectWholePage(m.kind, m.year, m.month, m.days - 1, m.days + 1, bracketed, language);
            const std::string page = ReadText(MonthPagePath(folder.path()));
            EXPECT_THAT(page, HasSubstr(std::string("lang=\"") + language + "\""));
            EXPECT_THAT(page, HasSubstr(m.monthName));
            EXPECT_EQ(page.find("Saturday"), std::string::npos);
            EXPECT_EQ(page.find("Occasions of the month"), std::string::npos);
            EXPECT_EQ(count(page, "<li><b>["), occasions);
        }
    }
    // A code the installation has no folder for, or one that is not a plain code, keeps English.
    const MonthPageFiles english = MonthPageFilesFor(CalendarKind::Hijri, folder.path());
    for (const char* odd : {"xx", "../ar", "AR", "ar/..", ""}) {
        const MonthPageFiles files = MonthPageFilesFor(CalendarKind::Hijri, folder.path(), odd);
        EXPECT_EQ(files.monthTemplate, english.monthTemplate) << odd;
        EXPECT_EQ(files.trailer, english.trailer) << odd;
    }
}

TEST_F(ShippedTemplatesTest, TodayTemplateCarriesEveryPlaceholder) {
    // The English template and each translated one.
    for (const char* language : {"", "ar", "ur", "id", "tr", "fr", "ms"}) {
        SCOPED_TRACE(language);
        const std::string path = TodayTemplatePath(folder.path(), language);
        EXPECT_EQ(path == TodayTemplatePath(folder.path()), *language == '\0') << path;
        const std::string templ = ReadText(path);
        for (const char* placeholder :
             {"COUNTRY1-CITY1", "DATEDAY1", "HIJRI_DATE", "MELADI_DATE", "FJRTM", "SHRTM", "THRTM",
              "ASRTM", "MGRTM", "ISHTM", "NXTPRYR", "NEXTPTM", "CALCULATION_WAY_1"}) {
            EXPECT_THAT(templ, HasSubstr(placeholder));
        }
    }
    // A language the installation has no template for keeps the English one.
    EXPECT_EQ(TodayTemplatePath(folder.path(), "xx"), TodayTemplatePath(folder.path()));
    TodayPageTexts t;
    t.countryCity = "country-city";
    t.times = {"a", "b", "c", "d", "e", "f"};
    ASSERT_TRUE(BuildTodayPage(t, folder.path(), boxes));
    const std::string page = ReadText(TodayPagePath(folder.path()));
    EXPECT_THAT(page, HasSubstr("country-city"));
    for (const char* placeholder : {"COUNTRY1", "DATEDAY1", "_DATE", "TM", "NXTPRYR", "WAY_1"}) {
        EXPECT_EQ(page.find(placeholder), std::string::npos) << placeholder;
    }
}

TEST(ColourContrastTest, MeasuresAsTheGuidelinesDo) {
    EXPECT_NEAR(Contrast(ParseColour("#000000"), ParseColour("#FFFFFF")), 21.0, 1e-9);
    EXPECT_NEAR(Contrast(ParseColour("#777777"), ParseColour("#FFFFFF")), 4.48, 0.01);
    EXPECT_NEAR(Contrast(ParseColour("#FFFFFF"), ParseColour("#FF8000")), 2.52, 0.01);
    const auto pairs = TextOnBackgrounds(
        "<body bgcolor=\"#FFFFFF\" text=\"#111111\"><table bgcolor=\"#222222\"><tr>"
        "<td color=\"#000000\"bgcolor=\"#00FF00\" ><font color=\"#333333\">a</font></td>"
        "<td><font color=\"#444444\">b</font></td></tr></table>"
        "<font color=\"#555555\">c</font></body>");
    ASSERT_EQ(pairs.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> expected = {{"#111111", "#FFFFFF"},
                                                                       {"#000000", "#00FF00"},
                                                                       {"#333333", "#00FF00"},
                                                                       {"#444444", "#222222"},
                                                                       {"#555555", "#FFFFFF"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(pairs[i].text, expected[i].first) << i;
        EXPECT_EQ(pairs[i].background, expected[i].second) << i;
    }
}

// Text on every coloured place of the shipped files, and on the occasion colours a page build
// gives cells, reads at the guidelines' 4.5:1, in colour and on a greyscale printer.
TEST_F(ShippedTemplatesTest, TextContrastsWithItsBackground) {
    for (const char* file :
         {"Calendar/Hijri/Month/month_hijri.htm", "Calendar/Meladi/Month/month_meladi.htm",
          "Calendar/Trailers/occasion.txt"}) {
        ExpectReadable(ReadText(folder.at(file)), file);
    }
    struct Month {
        CalendarKind kind;
        int year;
        int month;
    };
    // Ramadan: occasions and the odd nights; Shawwal and Thw al-Hijjah: the feasts; October
    // 2006: all three.
    for (const Month& m :
         {Month{CalendarKind::Hijri, 1427, 9}, Month{CalendarKind::Hijri, 1427, 10},
          Month{CalendarKind::Hijri, 1427, 12}, Month{CalendarKind::Gregorian, 2006, 10}}) {
        ASSERT_TRUE(BuildMonthPage(m.kind, m.year, m.month, folder.path(), boxes));
        const std::string page = ReadText(MonthPagePath(folder.path()));
        const std::string name = std::to_string(m.year) + "/" + std::to_string(m.month);
        for (const char* colour : {"#00FF00", "#C9C9C9", "#FFE1E7"}) {
            if (m.kind == CalendarKind::Gregorian) {
                EXPECT_THAT(page, HasSubstr(std::string("bgcolor=\"") + colour + "\" align"))
                    << name << " has no cell coloured " << colour;
            }
        }
        ExpectReadable(page, name);
    }
}

}  // namespace
}  // namespace salvenor

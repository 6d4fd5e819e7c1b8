// The templates and the trailer shipped in data/: every month of the years people use builds
// without a message into a whole page, and today's template carries every placeholder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
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
using testing::ReadFile;
using testing::RecordingMessageBoxes;

class ShippedTemplatesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(std::filesystem::path(SALVENOR_SOURCE_DATA_DIR) / "Calendar",
                              folder.at("Calendar"),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

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
    void ExpectWholePage(CalendarKind kind, int year, int month, int minDays, int maxDays) {
        boxes.entries.clear();
        ASSERT_TRUE(BuildMonthPage(kind, year, month, folder.path(), boxes))
            << year << "/" << month;
        ASSERT_TRUE(boxes.entries.empty()) << boxes.entries[0].text;
        EXPECT_EQ(occasionList.count, 0)
            << "more occasions than trailer lines: " << year << "/" << month;
        const std::string page = ReadFile(MonthPagePath(folder.path()));
        for (const char* placeholder :
             {"MONTH1", "HH1", "GG1", "MNT1", "YEAR", "GYGYG", "OCCASION"}) {
            ASSERT_EQ(page.find(placeholder), std::string::npos)
                << placeholder << " left in " << year << "/" << month;
        }
        ASSERT_TRUE(page.starts_with("<html>")) << year << "/" << month;
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
    std::string page = ReadFile(MonthPagePath(folder.path()));
    EXPECT_THAT(page, HasSubstr("Thw al-Hijjah 1427"));
    EXPECT_THAT(page, HasSubstr("2006 - 2007"));
    ASSERT_TRUE(BuildMonthPage(CalendarKind::Gregorian, 2006, 10, folder.path(), boxes));
    page = ReadFile(MonthPagePath(folder.path()));
    EXPECT_THAT(page, HasSubstr("October 2006"));
    EXPECT_THAT(page, HasSubstr("1427"));
    // The trailer's legend names every colour a cell can take.
    for (const char* colour : {"#FF8000", "#00FF00", "#C9C9C9", "#FFE1E7"}) {
        EXPECT_THAT(page, HasSubstr(std::string("<td bgcolor=\"") + colour + "\" width="))
            << colour;
    }
}

TEST_F(ShippedTemplatesTest, TodayTemplateCarriesEveryPlaceholder) {
    const std::string templ = ReadFile(TodayTemplatePath(folder.path()));
    for (const char* placeholder :
         {"COUNTRY1-CITY1", "DATEDAY1", "HIJRI_DATE", "MELADI_DATE", "FJRTM", "SHRTM", "THRTM",
          "ASRTM", "MGRTM", "ISHTM", "NXTPRYR", "NEXTPTM", "CALCULATION_WAY_1"}) {
        EXPECT_THAT(templ, HasSubstr(placeholder));
    }
    TodayPageTexts t;
    t.countryCity = "country-city";
    t.times = {"a", "b", "c", "d", "e", "f"};
    ASSERT_TRUE(BuildTodayPage(t, folder.path(), boxes));
    const std::string page = ReadFile(TodayPagePath(folder.path()));
    EXPECT_THAT(page, HasSubstr("country-city"));
    for (const char* placeholder : {"COUNTRY1", "DATEDAY1", "_DATE", "TM", "NXTPRYR", "WAY_1"}) {
        EXPECT_EQ(page.find(placeholder), std::string::npos) << placeholder;
    }
}

}  // namespace
}  // namespace salvenor

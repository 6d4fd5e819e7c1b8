// Today's page: the texts of a day, the placeholders and their order, and the file failures.
#include "pages/today_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/hijri.h"
#include "core/local_time.h"
#include "core/str_printf.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using testing::InstallationFolder;
using testing::ReadText;
using testing::RecordingMessageBoxes;

// Cairo by the worked example of the prayer times: 21 March 2007, GMT+2, no daylight saving,
// convention 0: 4:31 am, 5:58 am, 12:02 pm, 3:29 pm, 6:06 pm and 7:21 pm.
class TodayPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::SetCairoExample(config);
        config.calculationWay = 0;
    }
    TodayPageTexts TextsAt(int hour, int minute) const {
        return GatherTodayTexts(MakeLocal(2007, 3, 21, hour, minute, 0), config,
                                config.prayerSettings());
    }
    std::string Output() const {
        return ReadText(folder.at("Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm"));
    }

    testing::ScopedTimeZone zone{"EET-2"};  // two hours ahead of GMT all year
    RecordingMessageBoxes boxes;
    CConfigFile config{boxes};
    InstallationFolder folder;
};

TEST_F(TodayPageTest, GathersTheTextsOfTheDay) {
    const TodayPageTexts t = TextsAt(13, 0);
    EXPECT_EQ(t.countryCity, "Egypt-Cairo");
    EXPECT_EQ(t.weekday, "Wednesday");
    EXPECT_EQ(t.gregorianDate, "21 of March, 2007");
    const HijriDate h = GregorianToHijri(21, 3, 2007);
    EXPECT_EQ(t.hijriDate, StrPrintf("%d of %s, %d", h.day, HijriMonthNames[h.month - 1], h.year));
    EXPECT_THAT(t.times,
                ElementsAre("4:31 am", "5:58 am", "12:02 pm", "3:29 pm", "6:06 pm", "7:21 pm"));
    EXPECT_EQ(t.calculationWay, "Egyptian General Organisation of Surveying");
}

// The next prayer is the one the bar names, written as the times are.
TEST_F(TodayPageTest, NamesTheRealNextPrayer) {
    struct Case {
        int hour, minute;
        const char* prayer;
        std::string time;
    };
    // After Isha: tomorrow's Fajr.
    const std::string tomorrowsFajr =
        FormatPrayerTime(Fajr, MakeLocal(2007, 3, 22, 12, 0, 0), config.prayerSettings());
    for (const Case& c :
         {Case{0, 10, "Fajr", "4:31 am"}, Case{5, 0, "Shrook", "5:58 am"},
          Case{11, 0, "Thuhr", "12:02 pm"}, Case{12, 2, "Asr", "3:29 pm"},
          Case{15, 29, "Maghrib", "6:06 pm"}, Case{18, 30, "Isha", "7:21 pm"},
          Case{19, 21, "Fajr", tomorrowsFajr}, Case{23, 59, "Fajr", tomorrowsFajr}}) {
        const TodayPageTexts t = TextsAt(c.hour, c.minute);
        EXPECT_EQ(t.nextPrayer, c.prayer) << c.hour << ":" << c.minute;
        EXPECT_EQ(t.nextPrayerTime, c.time) << c.hour << ":" << c.minute;
    }
    EXPECT_NE(tomorrowsFajr, "4:31 am");  // the search really moved to the next day
}

TEST_F(TodayPageTest, NamesEveryConventionAndTakesTheFirstForAnUnknownOne) {
    const std::pair<int, const char*> cases[] = {
        {0, "Egyptian General Organisation of Surveying"},
        {1, "Makkah Um Ul-Qura"},
        {2, "IslamicSocietyofNorthAmerica (ISNA)"},
        {3, "World Islamic League"},
        {4, "Egyptian General Organisation of Surveying"},
        {-1, "Egyptian General Organisation of Surveying"}};
    for (const auto& [way, name] : cases) {
        config.calculationWay = way;
        EXPECT_EQ(TextsAt(13, 0).calculationWay, name) << way;
    }
}

// 21 March 2007 is 2 Raby` al-awal 1428 by the arithmetic: the adjustment moves the page's Hijri
// date across the month end both ways.
TEST_F(TodayPageTest, TheHijriDateFollowsTheDayAdjustment) {
    const std::pair<int, const char*> cases[] = {
        {0, "2 of Raby` al-awal, 1428"},  {1, "3 of Raby` al-awal, 1428"},
        {-1, "1 of Raby` al-awal, 1428"}, {-2, "30 of Safar, 1428"},
        {2, "4 of Raby` al-awal, 1428"},
    };
    for (const auto& [shift, text] : cases) {
        config.calculationOptions.hijriAdjustDays = shift;
        EXPECT_EQ(TextsAt(13, 0).hijriDate, text) << shift;
    }
}

TEST_F(TodayPageTest, NamesTheConventionInForceOverTheBuiltInWay) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Egyptian General Organisation of Surveying"},
        {"isna", "Islamic Society of North America (ISNA)"},
        {"moonsighting", "Moonsighting Committee Worldwide"},
        {"custom", "Custom angles"},
    };
    for (const auto& [convention, name] : cases) {
        config.calculationOptions.convention = convention;
        EXPECT_EQ(TextsAt(13, 0).calculationWay, name) << convention;
    }
}

TEST_F(TodayPageTest, EscapesThePlaceNames) {
    config.countryName = "Trinidad & Tobago";
    config.cityName = "<b>\"Port\"</b>";
    EXPECT_EQ(TextsAt(13, 0).countryCity,
              "Trinidad &amp; Tobago-&lt;b&gt;&quot;Port&quot;&lt;/b&gt;");
}

// The place the page names: the stored names, a typed place named by its coordinates, and no
// place at all (never "-").
TEST_F(TodayPageTest, NamesThePlaceOrSaysThatThereIsNone) {
    struct Case {
        const char* country;
        const char* city;
        double latitude, longitude;
        const char* named;
    };
    const Case cases[] = {
        {"Egypt", "Cairo", 30.05, 31.25, "Egypt-Cairo"},
        {"Egypt", "40.70 N, 73.95 W", 40.7, -73.95, "Egypt-40.70 N, 73.95 W"},
        {"", "", 0.0, 0.0, "no city chosen yet (menu, Setup...)"},
        {"", "", 0.0, 1.0, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        config.countryName = c.country;
        config.cityName = c.city;
        config.latitude = c.latitude;
        config.longitude = c.longitude;
        EXPECT_EQ(TextsAt(13, 0).countryCity, c.named);
    }
}

TodayPageTexts DistinctTexts() {
    TodayPageTexts t;
    t.countryCity = "C-T";
    t.weekday = "W";
    t.hijriDate = "H";
    t.gregorianDate = "G";
    t.times = {"t0", "t1", "t2", "t3", "t4", "t5"};
    t.nextPrayer = "N";
    t.nextPrayerTime = "NT";
    t.calculationWay = "CW";
    return t;
}

TEST(FillTodayLineTest, ReplacesEveryPlaceholderEverywhereInTheLine) {
    const TodayPageTexts t = DistinctTexts();
    struct Case {
        const char* line;
        const char* filled;
    };
    for (const Case& c : {
             Case{"FJRTM FJRTM", "t0 t0"},
             Case{"COUNTRY1-CITY1", "C-T"},
             Case{"<td>DATEDAY1</td><td>HIJRI_DATE</td><td>MELADI_DATE</td>",
                  "<td>W</td><td>H</td><td>G</td>"},
             Case{"FJRTM SHRTM THRTM ASRTM MGRTM ISHTM", "t0 t1 t2 t3 t4 t5"},
             Case{"NXTPRYR at NEXTPTM by CALCULATION_WAY_1", "N at NT by CW"},
             Case{"ISHTMISHTM", "t5t5"},
             Case{"no placeholder here", "no placeholder here"},
             Case{"", ""},
         }) {
        EXPECT_EQ(FillTodayLine(c.line, t), c.filled) << c.line;
    }
}

// Each placeholder is replaced in the line as the earlier ones left it: a text carrying a later
// placeholder is filled in turn; one carrying an earlier placeholder is not.
TEST(FillTodayLineTest, ReplacesInTheFixedOrder) {
    TodayPageTexts t = DistinctTexts();
    t.countryCity = "DATEDAY1-ISHTM";
    t.weekday = "COUNTRY1-CITY1";
    t.times[Isha] = "FJRTM";
    t.calculationWay = "NXTPRYR";
    EXPECT_EQ(FillTodayLine("COUNTRY1-CITY1", t), "COUNTRY1-CITY1-FJRTM");
    EXPECT_EQ(FillTodayLine("CALCULATION_WAY_1", t), "NXTPRYR");
    EXPECT_EQ(FillTodayLine("MGRTM", t), "t4");
}

TEST_F(TodayPageTest, WritesEveryTemplateLineFilledWithALineEnd) {
    folder.write("Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm",
                 "<p>DATEDAY1</p>\r\n\r\n<p>THRTM THRTM</p>\r\n<p>CALCULATION_WAY_1</p>");
    config.calculationWay = 2;
    EXPECT_TRUE(BuildTodayPage(TextsAt(13, 0), folder.path(), boxes));
    EXPECT_THAT(boxes.texts(), ::testing::IsEmpty());
    EXPECT_EQ(Output(),
              "<p>Wednesday</p>\n\n<p>12:02 pm 12:02 pm</p>\n"
              "<p>IslamicSocietyofNorthAmerica (ISNA)</p>\n");
}

TEST_F(TodayPageTest, MissingTemplateLeavesAnEmptyPageAndSaysWhich) {
    folder.write("Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm", "yesterday's page\n");
    EXPECT_FALSE(BuildTodayPage(TextsAt(13, 0), folder.path(), boxes));
    ASSERT_EQ(boxes.entries.size(), 1u);
    EXPECT_EQ(boxes.entries[0].text,
              "File Error...you may need to re-install ZAV again!!!\n\nCannot open file " +
                  folder.at("Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm").string());
    EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(
        std::filesystem::exists(folder.at("Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm")));
    EXPECT_EQ(Output(), "");
}

TEST_F(TodayPageTest, WhenBothFilesFailThePageIsNamed) {
    std::filesystem::remove_all(folder.at("Calendar/SalaTimeDlg"));
    EXPECT_FALSE(BuildTodayPage(TextsAt(13, 0), folder.path(), boxes));
    EXPECT_THAT(
        boxes.texts(),
        ElementsAre("File Error...you may need to re-install ZAV again!!!\n\nCannot open "
                    "file " +
                    folder.at("Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm").string()));
}

TEST_F(TodayPageTest, BuildingTwiceRewritesThePage) {
    folder.write("Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm", "NXTPRYR NEXTPTM\n");
    ASSERT_TRUE(BuildTodayPage(TextsAt(13, 0), folder.path(), boxes));
    EXPECT_EQ(Output(), "Asr 3:29 pm\n");
    ASSERT_TRUE(BuildTodayPage(TextsAt(16, 0), folder.path(), boxes));
    EXPECT_EQ(Output(), "Maghrib 6:06 pm\n");
}

}  // namespace
}  // namespace salvenor

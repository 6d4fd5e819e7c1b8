// The calculation choices in salvenor.ini: what is written reads back the same, and a damaged value
// costs only its own choice.
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/calculation_settings.h"
#include "platform/settings_file.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

CalculationOptions FromText(const std::string& text) {
    testing::TempDir dir;
    testing::WriteText(dir.file("salvenor.ini"), text);
    return ReadCalculationOptions(SettingsFile(dir.file("salvenor.ini")));
}

TEST(CalculationSettings, EveryChoiceReadsBackAsWritten) {
    CalculationOptions custom;
    custom.convention = "custom";
    custom.customFajrAngle = 19.25;
    custom.customIshaAngle = 10;
    custom.customIshaMinutes = 75;
    custom.asr = AsrShadow::Hanafi;
    custom.adjustMinutes = {-30, 1, 2, -3, 4, 30};
    custom.highLatitude = HighLatitudeRule::AngleBased;
    custom.sun = SunModel::Computed;
    custom.hijriAdjustDays = -2;
    CalculationOptions karachi;
    karachi.convention = "karachi";
    karachi.highLatitude = HighLatitudeRule::MiddleOfNight;
    karachi.hijriAdjustDays = 2;
    for (const CalculationOptions& options : {CalculationOptions{}, custom, karachi}) {
        SCOPED_TRACE(options.convention);
        testing::TempDir dir;
        const std::string path = dir.file("salvenor.ini");
        SettingsFile written(path);
        written.setBool("notices/noTrayExplained", true);
        WriteCalculationOptions(written, options);
        ASSERT_TRUE(written.Save());
        const SettingsFile read(path);
        EXPECT_EQ(ReadCalculationOptions(read), options);
        EXPECT_TRUE(read.boolValue("notices/noTrayExplained", false)) << "other settings stay";
    }
}

TEST(CalculationSettings, TheFileIsOneSectionOfNamedKeys) {
    CalculationOptions o;
    o.convention = "umm-al-qura";
    o.asr = AsrShadow::Hanafi;
    o.adjustMinutes = {1, 0, 0, 0, 0, -1};
    testing::TempDir dir;
    SettingsFile file(dir.file("salvenor.ini"));
    WriteCalculationOptions(file, o);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(testing::ReadText(dir.file("salvenor.ini")),
              "[calculation]\nadjustAsr=0\nadjustFajr=1\nadjustIsha=-1\nadjustMaghrib=0\n"
              "adjustSunrise=0\nadjustThuhr=0\nasr=hanafi\nconvention=umm-al-qura\nfajrAngle=18\n"
              "highLatitude=seventh\nhijriAdjust=0\nishaAngle=17\nishaMinutes=0\nsun=table\n");
}

TEST(CalculationSettings, NoFileOrAnEmptySectionGivesTheDefaults) {
    EXPECT_EQ(FromText(""), CalculationOptions{});
    EXPECT_EQ(FromText("[calculation]\n"), CalculationOptions{});
    EXPECT_EQ(ReadCalculationOptions(SettingsFile("/nonexistent/salvenor.ini")),
              CalculationOptions{});
}

// Each damaged value gives the default of its own choice; the good line beside it still counts.
TEST(CalculationSettings, ADamagedValueFallsBackForItsChoiceOnly) {
    struct Case {
        const char* line;
        bool (*defaulted)(const CalculationOptions&);
    };
    const Case cases[] = {
        {"convention=mecca", [](const CalculationOptions& o) { return o.convention.empty(); }},
        {"convention=KARACHI", [](const CalculationOptions& o) { return o.convention.empty(); }},
        {"fajrAngle=9.5", [](const CalculationOptions& o) { return o.customFajrAngle == 18; }},
        {"fajrAngle=nan", [](const CalculationOptions& o) { return o.customFajrAngle == 18; }},
        {"ishaAngle=25.5", [](const CalculationOptions& o) { return o.customIshaAngle == 17; }},
        {"ishaAngle=16deg", [](const CalculationOptions& o) { return o.customIshaAngle == 17; }},
        {"ishaMinutes=-1", [](const CalculationOptions& o) { return o.customIshaMinutes == 0; }},
        {"ishaMinutes=181", [](const CalculationOptions& o) { return o.customIshaMinutes == 0; }},
        {"asr=2", [](const CalculationOptions& o) { return o.asr == AsrShadow::Standard; }},
        {"asr=", [](const CalculationOptions& o) { return o.asr == AsrShadow::Standard; }},
        {"adjustFajr=31", [](const CalculationOptions& o) { return o.adjustMinutes[0] == 0; }},
        {"adjustIsha=-31", [](const CalculationOptions& o) { return o.adjustMinutes[5] == 0; }},
        {"adjustThuhr=2.5", [](const CalculationOptions& o) { return o.adjustMinutes[2] == 0; }},
        {"highLatitude=nearest",
         [](const CalculationOptions& o) {
             return o.highLatitude == HighLatitudeRule::SeventhOfNight;
         }},
        {"sun=nasa", [](const CalculationOptions& o) { return o.sun == SunModel::Table; }},
        {"hijriAdjust=3", [](const CalculationOptions& o) { return o.hijriAdjustDays == 0; }},
        {"hijriAdjust=-3", [](const CalculationOptions& o) { return o.hijriAdjustDays == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        // A good value of another choice before the damaged one, which comes last and wins over
        // a good value of its own key.
        const std::string key = std::string(c.line).substr(0, std::string(c.line).find('='));
        const std::string good = key == "sun" ? "hijriAdjust=1" : "sun=computed";
        const CalculationOptions o = FromText("[calculation]\n" + good + "\n" + c.line + "\n");
        EXPECT_TRUE(c.defaulted(o));
        if (key == "sun") {
            EXPECT_EQ(o.hijriAdjustDays, 1);
        } else {
            EXPECT_EQ(o.sun, SunModel::Computed);
        }
    }
}

TEST(CalculationSettings, TheFileLiesBesideTheConfiguration) {
    EXPECT_EQ(SettingsPathBeside("/home/u/.local/share/salvenor/zav.cfg"),
              "/home/u/.local/share/salvenor/salvenor.ini");
    EXPECT_EQ(SettingsPathBeside("zav.cfg"), "salvenor.ini");
}

TEST(CalculationSettings, ChoiceNamesReadBothWays) {
    for (const auto& n : AsrShadowNames()) {
        EXPECT_EQ(ParseAsrShadow(n.name), n.value);
        EXPECT_EQ(NameOf(n.value), n.name);
    }
    for (const auto& n : HighLatitudeNames()) {
        EXPECT_EQ(ParseHighLatitudeRule(n.name), n.value);
        EXPECT_EQ(NameOf(n.value), n.name);
    }
    for (const auto& n : SunModelNames()) {
        EXPECT_EQ(ParseSunModel(n.name), n.value);
        EXPECT_EQ(NameOf(n.value), n.name);
    }
    EXPECT_EQ(ParseAsrShadow("Hanafi"), std::nullopt);
    EXPECT_EQ(HighLatitudeNames().size(), 3u);
}

}  // namespace
}  // namespace salvenor

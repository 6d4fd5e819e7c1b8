// The Setup sheet's Calculation page: the times follow the choices on screen, OK keeps them in
// salvenor.ini (zav.cfg untouched), Cancel keeps nothing, a picked country's convention is
// proposed, and Advanced Setup names the convention in force.
#include "windows/calculation_page.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "platform/calculation_settings.h"
#include "tests/windows/city_selection_page_test_support.h"
#include "windows/advanced_setup_page.h"
#include "windows/city_selection_page.h"
#include "windows/setup_sheet.h"

namespace salvenor {
namespace {

using testing::ChooseInDropDown;
using testing::SettingsFolder;

constexpr int France = 2;
constexpr int CalculationTab = 2;

QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ChooseConvention(CCalculationPage& page, const char* name) {
    QComboBox* list = page.conventionList();
    const int index = list->findData(QString::fromUtf8(name));
    ASSERT_GE(index, 0) << name;
    list->setCurrentIndex(index);
}

class CalculationPageTest : public ::testing::Test {
  protected:
    CalculationPageTest() {
        ConfigRecord& c = folder.config;
        c.countryName = "Egypt";
        c.cityName = "Alexandria";
        c.latitude = 31.2001;
        c.longitude = 29.9187;
        c.gmtOffsetHours = 2;
        c.calculationWay = 0;
        folder.config.SaveSettings();
        storedConfig = Bytes(folder.config.configPath);
    }

    // The sheet's OK as the program applies it.
    void ApplyOk(const CSetupSheet& s) {
        ApplySetupResult(folder.config, {true, s.selectionPage()->SelectedCity.coordinates,
                                         s.calculationPage()->chosen()});
    }

    CSetupSheet& Show() {
        sheet = std::make_unique<CSetupSheet>(folder.config, folder.boxes, clock, folder.path(),
                                              SetupSheetMode::Setup);
        sheet->show();
        return *sheet;
    }

    CCalculationPage& ShowCalculation() {
        CSetupSheet& s = Show();
        EXPECT_TRUE(s.SetActivePage(CalculationTab));
        return *s.calculationPage();
    }

    std::string IniPath() const { return folder.path() + "/salvenor.ini"; }

    SettingsFolder folder;
    QByteArray storedConfig;
    FakeClock clock{1'705'320'000};  // 15 January 2024
    std::unique_ptr<CSetupSheet> sheet;
};

TEST_F(CalculationPageTest, IsTheThirdPageAndOpensOnTheStoredChoices) {
    folder.config.calculationOptions.convention = "turkey";
    folder.config.calculationOptions.hijriAdjustDays = -1;
    folder.config.calculationOptions.adjustMinutes[Maghrib] = 3;
    const CCalculationPage& page = ShowCalculation();
    EXPECT_EQ(sheet->pageCount(), 3);
    EXPECT_EQ(sheet->tabs()->tabText(CalculationTab), "Calculation");
    EXPECT_EQ(page.conventionList()->currentData().toString(), "turkey");
    EXPECT_EQ(page.hijriBox()->value(), -1);
    EXPECT_EQ(page.minutesBox(Maghrib)->value(), 3);
    EXPECT_EQ(page.options(), folder.config.calculationOptions);
    EXPECT_FALSE(page.proposalLine()->isVisible());
    // The custom angles only count for the custom convention.
    EXPECT_FALSE(page.fajrAngleBox()->isEnabled());
    // Makkah lies south-east of Alexandria (about 136 degrees from true north).
    EXPECT_TRUE(page.qiblaLine()->isVisible());
    EXPECT_TRUE(page.qiblaLine()->text().contains(QStringLiteral(" degrees, south-east")))
        << page.qiblaLine()->text().toStdString();
}

TEST_F(CalculationPageTest, TheTimesFollowTheChoicesOnScreen) {
    CCalculationPage& page = ShowCalculation();
    const auto shown = [&page] {
        std::array<QString, 6> texts;
        for (int i = 0; i < 6; ++i) {
            texts[static_cast<std::size_t>(i)] = page.timeLabel(i)->text();
            EXPECT_FALSE(texts[static_cast<std::size_t>(i)].isEmpty());
        }
        return texts;
    };
    const std::array<QString, 6> builtIn = shown();

    // ISNA's 15 degrees move Fajr and Isha; noon stays where it is.
    ChooseConvention(page, "isna");
    const std::array<QString, 6> isna = shown();
    EXPECT_NE(isna[Fajr], builtIn[Fajr]);
    EXPECT_NE(isna[Isha], builtIn[Isha]);
    EXPECT_EQ(isna[Thuhr], builtIn[Thuhr]);

    page.asrList()->setCurrentIndex(page.asrList()->findData(static_cast<int>(AsrShadow::Hanafi)));
    EXPECT_NE(shown()[Asr], isna[Asr]);

    page.minutesBox(Thuhr)->setValue(10);
    EXPECT_NE(shown()[Thuhr], isna[Thuhr]);

    // Custom: its fields open, and its angles count.
    ChooseConvention(page, "custom");
    EXPECT_TRUE(page.fajrAngleBox()->isEnabled());
    page.fajrAngleBox()->setValue(12);
    const QString twelve = shown()[Fajr];
    page.fajrAngleBox()->setValue(20);
    EXPECT_NE(shown()[Fajr], twelve);
    page.ishaMinutesBox()->setValue(90);
    EXPECT_FALSE(page.ishaAngleBox()->isEnabled()) << "Isha by minutes has no angle";
}

TEST_F(CalculationPageTest, OkSavesSalvenorIniAndLeavesZavCfgAsItWas) {
    CCalculationPage& page = ShowCalculation();
    ChooseConvention(page, "karachi");
    page.asrList()->setCurrentIndex(page.asrList()->findData(static_cast<int>(AsrShadow::Hanafi)));
    page.hijriBox()->setValue(1);
    page.minutesBox(Isha)->setValue(-2);
    sheet->okButton()->click();
    ASSERT_EQ(sheet->result(), QDialog::Accepted);
    ApplyOk(*sheet);

    CalculationOptions expected;
    expected.convention = "karachi";
    expected.asr = AsrShadow::Hanafi;
    expected.hijriAdjustDays = 1;
    expected.adjustMinutes[Isha] = -2;
    EXPECT_EQ(folder.config.calculationOptions, expected) << "in force at once";
    EXPECT_EQ(ReadCalculationOptions(SettingsFile(IniPath())), expected);
    EXPECT_EQ(Bytes(folder.config.configPath), storedConfig);
}

// salvenor.ini that cannot be replaced (a folder stands in its place): OK says so, naming the
// file, and the choices are in force for this session all the same.
TEST_F(CalculationPageTest, ChoicesThatCannotBeSavedAreToldAndStayInForce) {
    std::filesystem::create_directory(IniPath());
    CalculationOptions chosen;
    chosen.convention = "isna";
    ApplySetupResult(folder.config, {true, CityCoordinates{31.2001, 29.9187, 0.0}, chosen});
    EXPECT_EQ(folder.config.calculationOptions, chosen);
    ASSERT_EQ(folder.boxes.entries.size(), 1u);
    EXPECT_NE(folder.boxes.entries[0].text.find(IniPath()), std::string::npos)
        << folder.boxes.entries[0].text;
}

TEST_F(CalculationPageTest, CancelKeepsNothing) {
    CCalculationPage& page = ShowCalculation();
    ChooseConvention(page, "qatar");
    page.hijriBox()->setValue(2);
    sheet->cancelButton()->click();
    ASSERT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_FALSE(page.chosen().has_value());
    ApplySetupResult(folder.config, {false, {}, page.chosen()});
    EXPECT_EQ(folder.config.calculationOptions, CalculationOptions{});
    EXPECT_FALSE(QFile::exists(QString::fromStdString(IniPath())));
    EXPECT_EQ(Bytes(folder.config.configPath), storedConfig);
}

TEST_F(CalculationPageTest, OkWithoutOpeningThePageWritesNoSettings) {
    CSetupSheet& s = Show();
    ChooseInDropDown(s.selectionPage()->countryList(), France);
    ChooseInDropDown(s.selectionPage()->cityList(), 0);
    s.okButton()->click();
    ApplyOk(s);
    EXPECT_FALSE(s.calculationPage()->chosen().has_value());
    EXPECT_EQ(folder.config.calculationOptions, CalculationOptions{});
    EXPECT_FALSE(QFile::exists(QString::fromStdString(IniPath())));
}

TEST_F(CalculationPageTest, APickedCountryProposesItsConventionForOk) {
    CSetupSheet& s = Show();
    ChooseInDropDown(s.selectionPage()->countryList(), France);
    ChooseInDropDown(s.selectionPage()->cityList(), 0);
    ASSERT_TRUE(s.SetActivePage(CalculationTab));
    const CCalculationPage& page = *s.calculationPage();
    // France publishes no convention of its own: the Muslim World League's.
    EXPECT_EQ(page.conventionList()->currentData().toString(), "mwl");
    EXPECT_TRUE(page.proposalLine()->isVisible());
    EXPECT_TRUE(page.proposalLine()->text().contains("France"));
    EXPECT_TRUE(page.proposalLine()->text().contains("Muslim World League"));
    s.okButton()->click();
    ApplyOk(s);
    EXPECT_EQ(folder.config.calculationOptions.convention, "mwl");
    EXPECT_EQ(ReadCalculationOptions(SettingsFile(IniPath())).convention, "mwl");
}

TEST_F(CalculationPageTest, AProposalWaitsUntilThePageIsSeen) {
    CSetupSheet& s = Show();
    ASSERT_TRUE(s.SetActivePage(CalculationTab));
    ASSERT_TRUE(s.SetActivePage(0));
    ChooseInDropDown(s.selectionPage()->countryList(), France);
    // The page was set up before the pick, but not shown since: nothing changed on it yet.
    EXPECT_EQ(s.calculationPage()->conventionList()->currentData().toString(), "");
    ASSERT_TRUE(s.SetActivePage(CalculationTab));
    EXPECT_EQ(s.calculationPage()->conventionList()->currentData().toString(), "mwl");
}

TEST_F(CalculationPageTest, AdvancedSetupNamesTheConventionInForce) {
    struct Case {
        const char* convention;
        const char* line;  // empty: no line
    };
    const Case cases[] = {
        {"", ""},
        {"karachi",
         "In force: University of Islamic Sciences, Karachi (chosen on the Calculation "
         "page)."},
        {"custom", "In force: Custom angles (chosen on the Calculation page)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.convention);
        folder.config.calculationOptions.convention = c.convention;
        CSetupSheet& s = Show();
        ASSERT_TRUE(s.SetActivePage(1));
        const CAdvancedSetupPage& advanced = *s.advancedPage();
        EXPECT_EQ(advanced.conventionLine()->isVisible(), *c.line != '\0');
        EXPECT_EQ(advanced.conventionLine()->text().toStdString(), c.line);
        // The four buttons keep the stored way.
        EXPECT_TRUE(advanced.wayButton(0)->isChecked());
    }
    // A choice on the Calculation page is named there before OK.
    folder.config.calculationOptions = {};
    CSetupSheet& s = Show();
    ASSERT_TRUE(s.SetActivePage(1));
    ASSERT_TRUE(s.SetActivePage(CalculationTab));
    ChooseConvention(*s.calculationPage(), "isna");
    ASSERT_TRUE(s.SetActivePage(1));
    EXPECT_EQ(
        s.advancedPage()->conventionLine()->text().toStdString(),
        "In force: Islamic Society of North America (ISNA) (chosen on the Calculation page).");
}

}  // namespace
}  // namespace salvenor

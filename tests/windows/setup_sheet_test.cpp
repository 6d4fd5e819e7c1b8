// The Setup sheet: which pages' OK runs, the check of the active page, Cancel, what the two
// modes start from, and what reaches the configuration file.
#include "windows/setup_sheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/windows/city_selection_page_test_support.h"
#include "windows/advanced_setup_page.h"
#include "windows/city_selection_page.h"
#include "windows/location_dlg.h"

namespace salvenor {
namespace {

using testing::ChooseInDropDown;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ReadBack;
using testing::SettingsFolder;

constexpr int Egypt = 1;
constexpr int France = 2;
constexpr const char* OutOfRange = "Please enter an integer between -12 and 13.";

// What the program does after the OK of a sheet shown here: RunSetupSheet's result, applied.
void ApplyAfterOk(SettingsFolder& folder, const CSetupSheet& s) {
    ApplySetupResult(folder.config, {true, s.selectionPage()->SelectedCity.coordinates});
}

class SetupSheetTest : public ::testing::Test {
  protected:
    SetupSheetTest() {
        ConfigRecord& c = folder.config;
        c.countryName = "Egypt";
        c.cityName = "Alexandria";
        c.cityLetterIndex = 0;
        c.latitude = 31.2001;
        c.longitude = 29.9187;
        c.altitude = 5;
        c.followWindowsZone = 0;
        c.gmtOffsetHours = 2;
        c.calculationWay = 0;
    }

    CSetupSheet& Show(SetupSheetMode mode = SetupSheetMode::Setup) {
        sheet =
            std::make_unique<CSetupSheet>(folder.config, folder.boxes, clock, folder.path(), mode);
        sheet->show();
        return *sheet;
    }

    SettingsFolder folder;
    FakeClock clock{1'705'320'000};
    std::unique_ptr<CSetupSheet> sheet;
};

TEST_F(SetupSheetTest, SetupModeStartsFromTheStoredPlace) {
    const CSetupSheet& s = Show();
    EXPECT_EQ(s.windowTitle(), "");
    EXPECT_EQ(s.tabs()->tabText(0), "Country And city selection");
    EXPECT_EQ(s.tabs()->tabText(1), "Advanced Setup");
    const CCitySelectionPage& page = *s.selectionPage();
    EXPECT_TRUE(page.created());
    EXPECT_FALSE(s.advancedPage()->created());
    EXPECT_EQ(page.countryDisplay()->text(), "Egypt");
    EXPECT_EQ(page.cityDisplay()->text(), "Alexandria");
    EXPECT_EQ(page.SelectedCity.coordinates.latitude, 31.2001);
    EXPECT_EQ(page.SelectedCity.coordinates.longitude, 29.9187);
    EXPECT_EQ(page.SelectedCity.coordinates.altitude, 5.0);
}

TEST_F(SetupSheetTest, FirstRunStartsFromNothing) {
    folder.config.countryName.clear();
    folder.config.cityName.clear();
    const CSetupSheet& s = Show(SetupSheetMode::FirstRun);
    const CCitySelectionPage& page = *s.selectionPage();
    EXPECT_EQ(page.countryDisplay()->text(), "Not Valid");
    EXPECT_EQ(page.cityDisplay()->text(), "Not Valid");
    EXPECT_EQ(page.SelectedCity.coordinates.latitude, 0.0);
    EXPECT_EQ(page.SelectedCity.coordinates.longitude, 0.0);
    EXPECT_EQ(page.SelectedCity.coordinates.altitude, 0.0);
    EXPECT_EQ(page.currentCountryName(), "Not Valid");
}

TEST_F(SetupSheetTest, OkRunsOnlyThePagesThatWereShown) {
    // Were the Advanced Setup page's OK to run, it would take the offset from the system.
    folder.config.followWindowsZone = 1;
    folder.config.gmtOffsetHours = 9;
    CSetupSheet& s = Show();
    s.okButton()->click();

    EXPECT_EQ(s.result(), QDialog::Accepted);
    EXPECT_FALSE(s.advancedPage()->created());
    EXPECT_EQ(folder.config.gmtOffsetHours, 9);
    ApplyAfterOk(folder, s);
    EXPECT_EQ(ReadBack(folder.config.configPath).gmtOffsetHours, 9);
}

TEST_F(SetupSheetTest, OkRunsEveryShownPageInOrder) {
    CSetupSheet& s = Show();
    ASSERT_TRUE(s.SetActivePage(1));
    s.advancedPage()->wayButton(3)->click();
    s.advancedPage()->offsetEdit()->setText("-4");
    ASSERT_TRUE(s.SetActivePage(0));
    ChooseInDropDown(s.selectionPage()->countryList(), France);
    ChooseInDropDown(s.selectionPage()->cityList(), 0);
    s.okButton()->click();

    EXPECT_EQ(s.result(), QDialog::Accepted);
    ApplyAfterOk(folder, s);
    const ConfigRecord saved = ReadBack(folder.config.configPath);
    EXPECT_EQ(saved.countryName, "France");
    EXPECT_EQ(saved.calculationWay, 3);
    EXPECT_EQ(saved.gmtOffsetHours, -4);
    EXPECT_EQ(saved.followWindowsZone, 0);
}

// A refused offset keeps the sheet open on Advanced Setup, whether OK was pressed or another
// tab was chosen, and no page stores anything.
TEST_F(SetupSheetTest, RefusedOffsetAtOkKeepsTheSheetOpen) {
    CSetupSheet& s = Show();
    ASSERT_TRUE(s.SetActivePage(1));
    s.advancedPage()->offsetEdit()->setText("14");
    ChooseInDropDown(s.selectionPage()->countryList(), France);
    ChooseInDropDown(s.selectionPage()->cityList(), 0);
    s.okButton()->click();

    EXPECT_THAT(folder.boxes.texts(), ElementsAre(OutOfRange));
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.activeIndex(), 1);
    EXPECT_EQ(folder.config.countryName, "Egypt");
    EXPECT_FALSE(folder.configSaved());

    // Mended, OK goes through.
    s.advancedPage()->offsetEdit()->setText("13");
    s.okButton()->click();
    EXPECT_FALSE(s.isVisible());
    ApplyAfterOk(folder, s);
    EXPECT_EQ(ReadBack(folder.config.configPath).gmtOffsetHours, 13);
}

TEST_F(SetupSheetTest, RefusedOffsetKeepsItsTabInFront) {
    CSetupSheet& s = Show();
    ASSERT_TRUE(s.SetActivePage(1));
    s.advancedPage()->offsetEdit()->setText("abc");
    EXPECT_FALSE(s.SetActivePage(0));
    EXPECT_EQ(s.activeIndex(), 1);
    EXPECT_THAT(folder.boxes.texts(), ElementsAre(texts::EnterInteger));
    s.advancedPage()->offsetEdit()->setText("3");
    EXPECT_TRUE(s.SetActivePage(0));
}

TEST_F(SetupSheetTest, CancelRunsNoPageAndKeepsTheStoredLetter) {
    CSetupSheet& s = Show();
    ChooseInDropDown(s.selectionPage()->countryList(), France);
    s.selectionPage()->letterButton('P' - 'A')->click();
    ASSERT_TRUE(s.SetActivePage(1));
    s.advancedPage()->wayButton(2)->click();
    s.cancelButton()->click();

    EXPECT_EQ(s.result(), QDialog::Rejected);
    EXPECT_EQ(folder.config.countryName, "Egypt");
    EXPECT_EQ(folder.config.cityName, "Alexandria");
    EXPECT_EQ(folder.config.calculationWay, 0);
    EXPECT_EQ(folder.config.cityLetterIndex, 0);  // the letter is stored with its city at OK
    EXPECT_FALSE(folder.configSaved());
}

// RunSetupSheet runs the sheet modally; `act` plays the user once it is up.
SetupSheetResult RunDriven(SettingsFolder& folder, const Clock& clock, SetupSheetMode mode,
                           const std::function<void(CSetupSheet&)>& act) {
    testing::WhenModalOpens<CSetupSheet>(act);
    return RunSetupSheet(nullptr, folder.config, folder.boxes, clock, folder.path(), mode);
}

TEST_F(SetupSheetTest, ChosenCityReachesTheFileAfterOk) {
    const SetupSheetResult result =
        RunDriven(folder, clock, SetupSheetMode::Setup, [](CSetupSheet& s) {
            testing::KeyDown(s.selectionPage()->cityList());  // Alexandria -> Aswan
            s.okButton()->click();
        });
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.chosen.latitude, 24.0889);
    EXPECT_EQ(result.chosen.longitude, 32.8998);
    EXPECT_EQ(result.chosen.altitude, 194.0);

    // Nothing is on disk until the coordinates are copied in: the sheet saves once, then.
    EXPECT_FALSE(folder.configSaved());
    ApplySetupResult(folder.config, result);
    const ConfigRecord saved = ReadBack(folder.config.configPath);
    EXPECT_EQ(saved.cityName, "Aswan");
    EXPECT_EQ(saved.countryName, "Egypt");
    EXPECT_EQ(saved.latitude, 24.0889);
    EXPECT_EQ(saved.longitude, 32.8998);
    EXPECT_EQ(saved.altitude, 194.0);
}

// What the city box shows at OK is what is saved: a new country clears the city until one of it
// is chosen (OK is refused until then, and the sheet stays open), a letter chooses its first city,
// and going back to the stored country brings its city back. Alexandria is stored.
TEST_F(SetupSheetTest, WhatTheBoxShowsAtOkIsSaved) {
    struct Case {
        const char* name;
        std::function<void(CCitySelectionPage&)> act;
        std::string shown;  // the city box at OK
        bool closes;
        std::string country, city;
        int letter;
        double latitude;
    };
    const auto letter = [](CCitySelectionPage& p, char c) { p.letterButton(c - 'A')->click(); };
    const Case cases[] = {
        {"new country alone", [](auto& p) { ChooseInDropDown(p.countryList(), France); }, "", false,
         "Egypt", "Alexandria", 0, 31.2001},
        {"new country and a letter",
         [&](auto& p) {
             ChooseInDropDown(p.countryList(), France);
             letter(p, 'P');
         },
         "Paris", true, "France", "Paris", 'P' - 'A', 48.8566},
        {"new country and a city",
         [](auto& p) {
             ChooseInDropDown(p.countryList(), France);
             ChooseInDropDown(p.cityList(), 0);
         },
         "Avignon", true, "France", "Avignon", 0, 43.9493},
        {"a letter of the stored country", [&](auto& p) { letter(p, 'C'); }, "Cairo", true, "Egypt",
         "Cairo", 'C' - 'A', 30.0444},
        {"there and back",
         [](auto& p) {
             ChooseInDropDown(p.countryList(), France);
             ChooseInDropDown(p.countryList(), Egypt);
         },
         "Alexandria", true, "Egypt", "Alexandria", 0, 31.2001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.boxes.entries.clear();
        std::string shown;
        bool closed = false;
        const SetupSheetResult result =
            RunDriven(folder, clock, SetupSheetMode::Setup, [&](CSetupSheet& s) {
                c.act(*s.selectionPage());
                shown = s.selectionPage()->cityList()->currentText().toStdString();
                s.okButton()->click();
                closed = !s.isVisible();
                if (!closed) {
                    s.cancelButton()->click();
                }
            });
        ApplySetupResult(folder.config, result);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(closed, c.closes);
        // No letter was pressed where a letter had no city: never the letter message.
        const std::vector<std::string> messages =
            c.closes ? std::vector<std::string>{}
                     : std::vector<std::string>{texts::CityOfNewCountryNotChosen};
        EXPECT_EQ(folder.boxes.texts(), messages);
        EXPECT_EQ(folder.config.countryName, c.country);
        EXPECT_EQ(folder.config.cityName, c.city);
        EXPECT_EQ(folder.config.cityLetterIndex, c.letter);
        EXPECT_EQ(folder.config.latitude, c.latitude);
        if (c.closes) {
            const ConfigRecord saved = ReadBack(folder.config.configPath);
            EXPECT_EQ(saved.cityName, c.city);
            EXPECT_EQ(saved.latitude, c.latitude);
        }
        // Back to Alexandria for the next case.
        folder.config.countryName = "Egypt";
        folder.config.cityName = "Alexandria";
        folder.config.cityLetterIndex = 0;
        folder.config.latitude = 31.2001;
        folder.config.longitude = 29.9187;
        folder.config.altitude = 5;
    }
}

// One OK, one save: both pages and the coordinates go in first, then the file is written once,
// so a file that cannot be written is reported once, not once a page.
TEST_F(SetupSheetTest, OkWritesTheFileOnceAfterEveryPage) {
    folder.config.configPath = folder.path() + "/missing/zav.cfg";
    const SetupSheetResult result =
        RunDriven(folder, clock, SetupSheetMode::Setup, [](CSetupSheet& s) {
            testing::KeyDown(s.selectionPage()->cityList());  // Alexandria -> Aswan
            ASSERT_TRUE(s.SetActivePage(1));
            s.advancedPage()->wayButton(2)->click();
            s.okButton()->click();
        });
    ASSERT_TRUE(result.accepted);
    EXPECT_THAT(folder.boxes.texts(), IsEmpty());
    ApplySetupResult(folder.config, result);
    EXPECT_THAT(folder.boxes.texts(), ElementsAre(texts::ConfigSaveError));
    EXPECT_EQ(folder.config.cityName, "Aswan");  // the record in memory stays in force
    EXPECT_EQ(folder.config.calculationWay, 2);
    EXPECT_EQ(folder.config.latitude, 24.0889);
}

TEST_F(SetupSheetTest, CancelledSheetChangesNothing) {
    const SetupSheetResult result =
        RunDriven(folder, clock, SetupSheetMode::Setup, [](CSetupSheet& s) {
            testing::KeyDown(s.selectionPage()->cityList());
            s.cancelButton()->click();
        });
    EXPECT_FALSE(result.accepted);
    ApplySetupResult(folder.config, result);
    EXPECT_EQ(folder.config.latitude, 31.2001);
    EXPECT_FALSE(folder.configSaved());
}

TEST_F(SetupSheetTest, FirstRunWithoutAChoiceRefusesTheCountryButCloses) {
    folder.config.countryName.clear();
    folder.config.cityName.clear();
    folder.config.followWindowsZone = 1;
    folder.config.gmtOffsetHours = 0;
    const SetupSheetResult result = RunDriven(folder, clock, SetupSheetMode::FirstRun,
                                              [](CSetupSheet& s) { s.okButton()->click(); });
    ASSERT_TRUE(result.accepted);
    EXPECT_THAT(folder.boxes.texts(), ElementsAre(texts::InvalidCountry));
    EXPECT_FALSE(folder.configSaved());
    ApplySetupResult(folder.config, result);
    const ConfigRecord saved = ReadBack(folder.config.configPath);
    EXPECT_EQ(saved.countryName, "");
    EXPECT_EQ(saved.latitude, 0.0);
    EXPECT_EQ(saved.followWindowsZone, 1);
}

TEST_F(SetupSheetTest, FirstRunWithAChoiceStoresEverything) {
    folder.config.countryName.clear();
    folder.config.cityName.clear();
    folder.config.followWindowsZone = 1;
    folder.config.gmtOffsetHours = 0;
    const SetupSheetResult result =
        RunDriven(folder, clock, SetupSheetMode::FirstRun, [](CSetupSheet& s) {
            ChooseInDropDown(s.selectionPage()->countryList(), Egypt);
            ChooseInDropDown(s.selectionPage()->cityList(), 1);  // Aswan
            ASSERT_TRUE(s.SetActivePage(1));
            s.advancedPage()->wayButton(1)->click();
            s.okButton()->click();
        });
    ASSERT_TRUE(result.accepted);
    ApplySetupResult(folder.config, result);
    const ConfigRecord saved = ReadBack(folder.config.configPath);
    EXPECT_EQ(saved.countryName, "Egypt");
    EXPECT_EQ(saved.cityName, "Aswan");
    EXPECT_EQ(saved.latitude, 24.0889);
    EXPECT_EQ(saved.calculationWay, 1);
    EXPECT_EQ(saved.followWindowsZone, 1);
}

// Coordinates typed in Location Positioning reach the record with the sheet's OK, named by
// themselves in place of the old city; Cancel leaves the record as it was before the sheet opened.
TEST_F(SetupSheetTest, TypedCoordinatesNameThePlaceWhenTheSheetIsConfirmed) {
    struct Case {
        const char* longitude;
        const char* latitude;
        bool confirm;
        const char* named;
    };
    const Case cases[] = {
        {"-73.95", "40.7", true, "40.70 N, 73.95 W"},
        {"-58.3816", "-34.6037", true, "34.60 S, 58.38 W"},
        {"151.2093", "-33.8688", true, "33.87 S, 151.21 E"},
        {"0", "0", true, "0.00 N, 0.00 E"},
        {"-0.001", "-0.004", true, "0.00 N, 0.00 E"},
        {"-73.95", "40.7", false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.latitude) + " " + c.longitude);
        folder.config.cityName = "Alexandria";
        const ConfigRecord before = folder.config;
        std::string shown;
        const SetupSheetResult result =
            RunDriven(folder, clock, SetupSheetMode::Setup, [&](CSetupSheet& s) {
                testing::WhenModalOpens<CLocationDlg>([&](CLocationDlg& dialog) {
                    dialog.longitudeEdit()->setText(c.longitude);
                    dialog.latitudeEdit()->setText(c.latitude);
                    dialog.altitudeEdit()->setText("25");
                    dialog.accept();
                });
                s.selectionPage()->notFoundButton()->click();
                shown = s.selectionPage()->cityList()->currentText().toStdString();
                (c.confirm ? s.okButton() : s.cancelButton())->click();
            });
        ApplySetupResult(folder.config, result);
        if (!c.confirm) {
            EXPECT_EQ(static_cast<const ConfigRecord&>(folder.config), before);
            continue;
        }
        EXPECT_EQ(shown, c.named);
        const ConfigRecord saved = ReadBack(folder.config.configPath);
        EXPECT_EQ(saved.cityName, c.named);
        EXPECT_EQ(saved.countryName, "Egypt");  // the country shown stays
        EXPECT_EQ(saved.longitude, std::stod(c.longitude));
        EXPECT_EQ(saved.latitude, std::stod(c.latitude));
        EXPECT_EQ(saved.altitude, 25.0);
    }
}

}  // namespace
}  // namespace salvenor

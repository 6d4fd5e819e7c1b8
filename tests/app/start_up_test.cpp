// Start-up through the real windows with the recording seams: the working folder's check, a
// valid file (no first-run window), the zone followed without a save, and first-run setup
// refused, cancelled and completed.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/str_printf.h"
#include "core/texts.h"
#include "tests/app/app_test_support.h"
#include "tests/support/temp_dir.h"
#include "windows/city_selection_page.h"
#include "windows/setup_sheet.h"

namespace salvenor {
namespace {

using testing::AppTest;
using ::testing::ElementsAre;

constexpr const char* InitTitle = "Salvenor (ZAV) New Installation Setup";

class StartUpTest : public AppTest {};

struct FolderCase {
    const char* name;
    std::optional<std::string> folder;
};

class UnusableFolderTest : public AppTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(UnusableFolderTest, EndsWithThePathMessageAndStatusOne) {
    WriteConfig();
    testing::ModalCatcher catcher;
    EXPECT_EQ(StartIn(false, GetParam().folder), 1);
    EXPECT_THAT(folder.boxes.texts(), ElementsAre(texts::PathTooLong));
    EXPECT_EQ(app->bar(), nullptr);
    EXPECT_TRUE(catcher.titles.empty());
}

INSTANTIATE_TEST_SUITE_P(Folders, UnusableFolderTest,
                         ::testing::Values(FolderCase{"Unreadable", std::nullopt},
                                           FolderCase{"Empty", ""},
                                           FolderCase{"TooLong", "/" + std::string(254, 'd')}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, FolderOfTheLongestLengthStillRuns) {
    std::string deep = folder.path() + "/";
    deep += std::string(MaxWorkingDirectoryLength - deep.size(), 'd');
    ASSERT_EQ(deep.size(), MaxWorkingDirectoryLength);
    ASSERT_TRUE(std::filesystem::create_directory(deep));
    WriteConfig();
    std::filesystem::copy_file(ConfigPath(), deep + "/zav.cfg");
    EXPECT_EQ(StartIn(true, deep), std::nullopt);
    EXPECT_EQ(app->config().configPath, deep + "/zav.cfg");
    EXPECT_TRUE(Bar().isVisible());
}

TEST_F(StartUpTest, ValidFileShowsTheBarAtOnceAndWritesNothing) {
    WriteConfig();
    const std::vector<unsigned char> before = testing::ReadBytes(ConfigPath());
    testing::ModalCatcher catcher;
    EXPECT_EQ(Start(true), std::nullopt);
    QCoreApplication::processEvents();
    EXPECT_TRUE(catcher.titles.empty());
    EXPECT_TRUE(folder.boxes.entries.empty());
    EXPECT_TRUE(sound.requests.empty());
    ASSERT_NE(app->bar(), nullptr);
    EXPECT_TRUE(Bar().isVisible());
    EXPECT_TRUE(app->barVisible());
    EXPECT_TRUE(Bar().alwaysOnTop());
    EXPECT_TRUE(Bar().windowTitle().startsWith("Next: Thuhr at: 12:"));
    EXPECT_EQ(app->config().cityName, "Cairo");
    EXPECT_EQ(testing::ReadBytes(ConfigPath()), before);
}

TEST_F(StartUpTest, FollowedZoneIsTakenAtStartButNotSaved) {
    WriteConfig([](ConfigRecord& c) {
        c.followWindowsZone = 1;
        c.gmtOffsetHours = 9;
    });
    EXPECT_EQ(Start(true), std::nullopt);
    EXPECT_EQ(app->config().gmtOffsetHours, 2);  // Cairo in January
    EXPECT_EQ(testing::ReadBack(ConfigPath()).gmtOffsetHours, 9);
}

// "Exit !" or any other end of the notice refuses setup: the file this start created does not
// stay, status 1, no beep.
struct RefuseCase {
    const char* name;
    testing::ModalScript::Step step;
};

class RefusedFirstRunTest : public AppTest, public ::testing::WithParamInterface<RefuseCase> {};

TEST_P(RefusedFirstRunTest, RemovesTheFileAndEndsWithOne) {
    testing::ModalScript script;
    script.then(GetParam().step);
    EXPECT_EQ(Start(true), 1);
    EXPECT_THAT(script.titles, ElementsAre(InitTitle));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ConfigPath())));
    EXPECT_TRUE(sound.requests.empty());
    EXPECT_TRUE(folder.boxes.entries.empty());
    EXPECT_EQ(app->bar(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, RefusedFirstRunTest,
                         ::testing::Values(RefuseCase{"Exit", testing::ClickButton("Exit !")},
                                           RefuseCase{"Escape", testing::Reject()}),
                         [](const auto& info) { return std::string(info.param.name); });

// First-run setup never loses a file of the user's: "Exit !" deletes only the empty file this
// start created, and "Continue..." moves a damaged file aside (to the first free name) before
// setup saves the new one, saying where.
struct FirstRunFileCase {
    const char* name;
    std::vector<unsigned char> found;  // zav.cfg as the start finds it
    bool earlierCopy;                  // zav.cfg.damaged is taken already
    bool proceed;                      // "Continue..." (else "Exit !")
    std::optional<int> status;
    std::optional<std::vector<unsigned char>> left;  // zav.cfg afterwards (nullopt: none)
    const char* aside;                               // where the found file went, if anywhere
};

class FirstRunFileTest : public AppTest, public ::testing::WithParamInterface<FirstRunFileCase> {};

std::vector<unsigned char> Sample(const char* name) {
    return testing::ReadBytes(std::string(SALVENOR_TEST_DATA_DIR) + "/config/" + name);
}

TEST_P(FirstRunFileTest, KeepsWhatTheUserHad) {
    const FirstRunFileCase& c = GetParam();
    testing::WriteBytes(ConfigPath(), c.found);
    const std::vector<unsigned char> earlier = {'o', 'l', 'd'};
    if (c.earlierCopy) {
        testing::WriteBytes(ConfigPath() + ".damaged", earlier);
    }
    testing::ModalScript script;
    if (c.proceed) {
        script.then(testing::ClickButton("Continue..."))
            .then(
                [](QWidget& window) { static_cast<CSetupSheet&>(window).cancelButton()->click(); })
            .then(testing::ClickButton("OK"));
    } else {
        script.then(testing::ClickButton("Exit !"));
    }
    EXPECT_EQ(Start(true), c.status);
    EXPECT_EQ(script.titles.front(), InitTitle);
    const QString config = QString::fromStdString(ConfigPath());
    ASSERT_EQ(QFileInfo::exists(config), c.left.has_value());
    if (c.left) {
        EXPECT_EQ(testing::ReadBytes(ConfigPath()), *c.left);
    }
    if (c.earlierCopy) {
        EXPECT_EQ(testing::ReadBytes(ConfigPath() + ".damaged"), earlier);
    }
    std::vector<std::string> told;
    if (c.aside != nullptr) {
        const std::string aside = folder.path() + "/" + c.aside;
        EXPECT_EQ(testing::ReadBytes(aside), c.found);
        told.push_back(StrPrintf(texts::DamagedConfigKept, aside.c_str()));
    } else if (!c.earlierCopy) {
        EXPECT_FALSE(QFileInfo::exists(config + ".damaged"));
    }
    EXPECT_EQ(folder.boxes.texts(), told);
}

const std::vector<unsigned char> Empty;
INSTANTIATE_TEST_SUITE_P(
    Files, FirstRunFileTest,
    ::testing::Values(
        // An empty file found at start is the user's: it stays (setup would only have filled it).
        FirstRunFileCase{"EmptyExit", Empty, false, false, 1, Empty, nullptr},
        FirstRunFileCase{"DamagedExit", Sample("appended_byte.cfg"), false, false, 1,
                         Sample("appended_byte.cfg"), nullptr},
        FirstRunFileCase{"DamagedContinue", Sample("appended_byte.cfg"), false, true, std::nullopt,
                         Sample("first_run_cancelled.cfg"), "zav.cfg.damaged"},
        FirstRunFileCase{"DamagedContinueBesideAnEarlierCopy", Sample("size_minus_one.cfg"), true,
                         true, std::nullopt, Sample("first_run_cancelled.cfg"),
                         "zav.cfg.damaged-2"},
        FirstRunFileCase{"EmptyContinue", Empty, false, true, std::nullopt,
                         Sample("first_run_cancelled.cfg"), nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, CancelledSheetSavesTheDefaultRecordOf125Bytes) {
    testing::ModalScript script;
    std::vector<std::string> heardBeforeReminder;
    script.then(testing::ClickButton("Continue..."))
        .then([](QWidget& window) {
            auto& sheet = static_cast<CSetupSheet&>(window);
            EXPECT_EQ(sheet.selectionPage()->countryDisplay()->text(), "Not Valid");
            EXPECT_EQ(sheet.selectionPage()->cityDisplay()->text(), "Not Valid");
            sheet.cancelButton()->click();
        })
        .then([&](QWidget& window) {
            heardBeforeReminder = sound.requests;
            testing::ClickButton("OK")(window);
        });
    EXPECT_EQ(Start(true), std::nullopt);
    EXPECT_THAT(script.titles, ElementsAre(InitTitle, "", "Reminder"));
    EXPECT_THAT(heardBeforeReminder, ElementsAre("beep:400:200"));

    const std::vector<unsigned char> saved = testing::ReadBytes(ConfigPath());
    EXPECT_EQ(saved.size(), 125u);
    EXPECT_EQ(saved, testing::ReadBytes(std::string(SALVENOR_TEST_DATA_DIR) +
                                        "/config/first_run_cancelled.cfg"));
    ASSERT_NE(app->bar(), nullptr);
    EXPECT_TRUE(Bar().isVisible());
}

TEST_F(StartUpTest, CompletedSetupSavesTheChosenCityWithTheDefaults) {
    testing::ModalScript script;
    script.then(testing::ClickButton("Continue..."))
        .then([](QWidget& window) {
            auto& sheet = static_cast<CSetupSheet&>(window);
            CCitySelectionPage& page = *sheet.selectionPage();
            testing::ChooseInDropDown(page.countryList(), 1);  // Egypt
            page.letterButton('C' - 'A')->click();
            testing::ChooseInDropDown(page.cityList(), 0);  // Cairo
            sheet.okButton()->click();
        })
        .then([this](QWidget& window) {
            // Saved by the sheet's OK already: a working record, should the program end here.
            const ConfigRecord early = testing::ReadBack(ConfigPath());
            EXPECT_EQ(early.cityName, "Cairo");
            EXPECT_EQ(early.athanWavPath, ".\\Athan\\Athan-1.wav");
            EXPECT_EQ(early.showAthanAlert, 1);
            EXPECT_EQ(early.barOnTopReminder, 1);
            testing::ClickButton("OK")(window);
        });
    EXPECT_EQ(Start(true), std::nullopt);
    EXPECT_THAT(script.titles, ElementsAre(InitTitle, "", "Reminder"));

    const ConfigRecord saved = testing::ReadBack(ConfigPath());
    EXPECT_EQ(saved.countryName, "Egypt");
    EXPECT_EQ(saved.cityName, "Cairo");
    EXPECT_EQ(saved.latitude, 30.0444);
    EXPECT_EQ(saved.longitude, 31.2357);
    EXPECT_EQ(saved.altitude, 23.0);
    EXPECT_EQ(saved.followWindowsZone, 1);
    EXPECT_EQ(saved.gmtOffsetHours, 0);
    EXPECT_EQ(saved.athanWavPath, ".\\Athan\\Athan-1.wav");
    EXPECT_EQ(saved.fajrAthanWavPath, ".\\Athan\\athanFajr.wav");
    EXPECT_EQ(saved.showAthanAlert, 1);
    EXPECT_EQ(saved.barOnTopReminder, 1);
    EXPECT_EQ(saved.muteAllSounds, 0);
    EXPECT_EQ(testing::ReadBytes(ConfigPath()).size(), 125u + 5 + 5);
    // Running: the zone is the system's now, and a second start asks nothing.
    EXPECT_EQ(app->config().gmtOffsetHours, 2);
    app.reset();
    testing::ModalCatcher catcher;
    EXPECT_EQ(Start(true), std::nullopt);
    EXPECT_TRUE(catcher.titles.empty());
    EXPECT_EQ(app->config().cityName, "Cairo");
}

// A file that names no place (what a cancelled first run leaves) brings the Setup sheet again,
// alone; cancelled, the file stays byte for byte and the bar asks for a city.
TEST_F(StartUpTest, NoPlaceYetOffersTheSetupSheetAgain) {
    struct Case {
        const char* name;
        bool chooseCairo;
        const char* titleStart;
        const char* savedCity;
    };
    const Case cases[] = {
        {"cancelled", false, "Choose your city: menu, Setup...", ""},
        {"Cairo chosen", true, "Next: Thuhr at: 12:", "Cairo"},
    };
    const std::vector<unsigned char> cancelled =
        testing::ReadBytes(std::string(SALVENOR_TEST_DATA_DIR) + "/config/first_run_cancelled.cfg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.reset();
        testing::WriteBytes(ConfigPath(), cancelled);
        testing::ModalScript script;
        script.then([&c](QWidget& window) {
            auto* sheet = qobject_cast<CSetupSheet*>(&window);
            ASSERT_NE(sheet, nullptr);
            if (!c.chooseCairo) {
                sheet->cancelButton()->click();
                return;
            }
            CCitySelectionPage& page = *sheet->selectionPage();
            testing::ChooseInDropDown(page.countryList(), 1);  // Egypt
            page.letterButton('C' - 'A')->click();             // Cairo, the letter's first
            sheet->okButton()->click();
        });
        EXPECT_EQ(Start(true), std::nullopt);
        EXPECT_THAT(script.titles, ElementsAre(""));  // the sheet, without the first-run notice
        ASSERT_NE(app->bar(), nullptr);
        EXPECT_TRUE(Bar().windowTitle().startsWith(c.titleStart))
            << Bar().windowTitle().toStdString();
        EXPECT_EQ(testing::ReadBack(ConfigPath()).cityName, c.savedCity);
        if (!c.chooseCairo) {
            EXPECT_EQ(testing::ReadBytes(ConfigPath()), cancelled);
        }
    }
}

}  // namespace
}  // namespace salvenor

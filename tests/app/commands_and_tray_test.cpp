// The running program's ways in: the command menu from the bar's button, the bar's clicks, keys
// and right-click menu, the tray icon and its menu, with and without a tray.
#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/hijri.h"
#include "core/texts.h"
#include "tests/app/app_test_support.h"

namespace salvenor {
namespace {

using testing::AppTest;
using ::testing::ElementsAre;
using testing::NextMenu;

class CommandMenuTest : public AppTest {
  protected:
    // Opens the command menu from the bar's button and chooses `item`.
    std::vector<std::string> Choose(const char* item) {
        NextMenu menu{QString::fromUtf8(item)};
        Bar().findChild<QAbstractButton*>("menuButton")->click();
        return menu.rows;
    }
};

TEST_F(CommandMenuTest, NineEntriesWithTheirStates) {
    Running(true);
    EXPECT_THAT(Choose(""), ElementsAre("&Setup...", "&Options...", "-", "&Month Calendar...",
                                        "&Year Calendars...", "-", "Always On &Top [x]", "-",
                                        "&About...", "E&xit"));
}

TEST_F(CommandMenuTest, MonthCalendarOpensOnTodaysHijriMonthClearOfTheBar) {
    Running(true);
    testing::ModalScript script;
    script.then(testing::Inspect([this](QWidget& window) {
        EXPECT_FALSE(window.frameGeometry().intersects(Bar().frameGeometry()));
        // 15 January 2024 is in Jumaada al-Thaany 1445 by this calendar.
        const auto* year = window.findChild<QLineEdit*>();
        ASSERT_NE(year, nullptr);
        EXPECT_EQ(year->text(), QString::number(GregorianToHijri(15, 1, 2024).year));
    }));
    Choose("&Month Calendar...");
    EXPECT_THAT(script.titles, ElementsAre("Month Calendar"));
}

TEST_F(CommandMenuTest, OptionsCopiesTheSwitchesBackAndSavesThemOnOk) {
    Running(true);
    const int flipped = app->config().muteAllSounds != 0 ? 0 : 1;
    testing::ModalScript script;
    script.then(testing::Inspect([this, flipped](QWidget& sheet) {
        EXPECT_FALSE(sheet.frameGeometry().intersects(Bar().frameGeometry()));
        for (auto* box : sheet.findChildren<QCheckBox*>()) {
            if (box->text() == QString::fromUtf8(texts::MuteAllSoundsCheck)) {
                box->setChecked(flipped == 1);
            }
        }
        for (auto* button : sheet.findChildren<QPushButton*>()) {
            if (button->text() == QString::fromUtf8(texts::OkButton)) {
                button->click();
            }
        }
    }));
    Choose("&Options...");
    EXPECT_THAT(script.titles, ElementsAre(""));
    EXPECT_EQ(app->config().muteAllSounds, flipped);
    // On disk too, though no page of the sheet saves the switches itself.
    testing::RecordingMessageBoxes quiet;
    CConfigFile saved(quiet);
    saved.configPath = ConfigPath();
    ASSERT_EQ(saved.OpenConfig(), CConfigFile::OpenResult::Loaded);
    EXPECT_EQ(saved.muteAllSounds, flipped);
}

TEST_F(CommandMenuTest, AlwaysOnTopSwitchesAndShowsItsState) {
    Running(true);
    Choose("Always On &Top");
    EXPECT_FALSE(Bar().alwaysOnTop());
    EXPECT_FALSE(Bar().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_THAT(Choose("Always On &Top"), ::testing::Contains("Always On &Top"));
    EXPECT_TRUE(Bar().alwaysOnTop());
    EXPECT_TRUE(Bar().isVisible());
}

TEST_F(CommandMenuTest, YearCalendarsBeepsAndShowsOnlyTheNotice) {
    Running(true);
    testing::ModalScript script;
    script.then(testing::ClickButton("OK"));
    Choose("&Year Calendars...");
    EXPECT_THAT(script.titles, ElementsAre("Not Supported !!"));
    EXPECT_THAT(sound.requests, ElementsAre("beep:450:100"));
    EXPECT_TRUE(folder.boxes.entries.empty());
}

TEST_F(CommandMenuTest, AboutFromTheMenuTheButtonAndTheWindowMenuClearOfTheBar) {
    Running(true);
    testing::ModalScript script;
    const auto clear = testing::Inspect([this](QWidget& window) {
        EXPECT_FALSE(window.frameGeometry().intersects(Bar().frameGeometry()));
    });
    script.then(clear).then(clear).then(clear);
    Choose("&About...");
    Bar().findChild<QAbstractButton*>("aboutButton")->click();
    {
        NextMenu menu{"&About ZAV..."};
        QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(60, 8),
                                  Bar().mapToGlobal(QPoint(60, 8)));
        QApplication::sendEvent(&Bar(), &context);
        EXPECT_THAT(menu.rows, ElementsAre("&About ZAV..."));  // a tray holds the rest
    }
    EXPECT_THAT(script.titles,
                ElementsAre("About Salvenor Version 2.0", "About Salvenor Version 2.0",
                            "About Salvenor Version 2.0"));
}

TEST_F(CommandMenuTest, ExitEndsAtOnceWithZeroLeavingTheTrayIcon) {
    Running(true);
    Choose("E&xit");
    EXPECT_THAT(ended, ElementsAre(0));
    EXPECT_TRUE(quits.empty());
    EXPECT_TRUE(folder.boxes.entries.empty());  // no question
    EXPECT_NE(app->trayIcon(), nullptr);
    EXPECT_TRUE(Bar().isVisible());
}

TEST_F(CommandMenuTest, SetupConfirmedTakesTheNewPlaceAtOnce) {
    Running(true);
    testing::ModalScript script;
    script.then([](QWidget& window) {
        auto& sheet = static_cast<CSetupSheet&>(window);
        testing::ChooseInDropDown(sheet.selectionPage()->cityList(), 1);  // Cairo Nord
        sheet.okButton()->click();
    });
    Choose("&Setup...");
    EXPECT_THAT(script.titles, ElementsAre(""));
    EXPECT_EQ(app->config().cityName, "Cairo Nord");
    EXPECT_EQ(app->config().latitude, 30.1);
    EXPECT_EQ(testing::ReadBack(ConfigPath()).longitude, 31.3);
}

TEST_F(CommandMenuTest, SetupCancelledChangesNothing) {
    Running(true);
    const std::vector<unsigned char> before = testing::ReadBytes(ConfigPath());
    testing::ModalScript script;
    script.then(testing::Reject());
    Choose("&Setup...");
    EXPECT_EQ(app->config().latitude, 30.0444);
    EXPECT_EQ(testing::ReadBytes(ConfigPath()), before);
}

TEST_F(CommandMenuTest, FaceClickAndTrayDoubleClickOpenTodaysTimes) {
    Running(true);
    testing::ModalScript script;
    script.then(testing::Reject()).then(testing::Reject());
    QTest::mouseClick(&Bar(), Qt::LeftButton, {}, QPoint(100, 30));
    app->OnTrayActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_THAT(script.titles, ElementsAre("Today Pryer Times", "Today Pryer Times"));

    // A single click, the middle button and the right button (whose menu the tray shows
    // itself) open nothing.
    testing::ModalCatcher catcher;
    for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick,
                              QSystemTrayIcon::Context, QSystemTrayIcon::Unknown}) {
        app->OnTrayActivated(reason);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(catcher.titles.empty());
}

class TrayTest : public AppTest {};

TEST_F(TrayTest, IconWithItsTipAndHiddenAreaMenu) {
    Running(true);
    ASSERT_NE(app->trayIcon(), nullptr);
    EXPECT_EQ(app->trayIcon()->toolTip(), "Salvenor (ZAV)\n[Double Click for Prayer Times]");
    ASSERT_NE(app->trayIcon()->contextMenu(), nullptr);
    EXPECT_EQ(app->trayIcon()->contextMenu()->title(), "Hidden Area");
    EXPECT_THAT(testing::MenuRows(*app->trayIcon()->contextMenu()),
                ElementsAre("Today Prayer Times", "Show Prayer Bar [x]", "-", "E&xit"));
}

TEST_F(TrayTest, EscapeAsksThenHidesAndShowPrayerBarBringsItBack) {
    Running(true);
    folder.boxes.answers = {false, true};
    QTest::keyClick(&Bar(), Qt::Key_Escape);
    EXPECT_TRUE(Bar().isVisible());
    QTest::keyClick(&Bar(), Qt::Key_Escape);
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_FALSE(app->barVisible());
    ASSERT_EQ(folder.boxes.entries.size(), 2u);
    for (const auto& asked : folder.boxes.entries) {
        EXPECT_EQ(asked.text, texts::CloseBarQuestion);
        EXPECT_EQ(asked.icon, MessageIcon::Question);
        EXPECT_TRUE(asked.question);
    }
    QMenu& trayMenu = *app->trayIcon()->contextMenu();
    EXPECT_THAT(testing::MenuRows(trayMenu),
                ElementsAre("Today Prayer Times", "Show Prayer Bar", "-", "E&xit"));

    // Enter does nothing, hidden or shown.
    QTest::keyClick(&Bar(), Qt::Key_Return);
    app->action(Command::ShowPrayerBar)->trigger();
    EXPECT_TRUE(Bar().isVisible());
    EXPECT_TRUE(app->barVisible());
    EXPECT_THAT(testing::MenuRows(trayMenu), ::testing::Contains("Show Prayer Bar [x]"));

    // From the tray menu a shown bar hides without a question.
    app->action(Command::ShowPrayerBar)->trigger();
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_EQ(folder.boxes.entries.size(), 2u);
}

TEST_F(TrayTest, HiddenBarGoesOnWithItsTimers) {
    Running(true);
    app->action(Command::ShowPrayerBar)->trigger();
    ASSERT_FALSE(Bar().isVisible());
    EXPECT_TRUE(Bar().nextPrayerTimer().isActive());
    EXPECT_TRUE(Bar().progressTimer().isActive());
}

TEST_F(TrayTest, ExitAsksWithTheStopIconThenEndsInOrder) {
    Running(true);
    folder.boxes.answers = {false};
    app->action(Command::TrayExit)->trigger();
    EXPECT_NE(app->trayIcon(), nullptr);
    EXPECT_TRUE(Bar().isVisible());
    EXPECT_TRUE(quits.empty());

    app->action(Command::TrayExit)->trigger();  // Yes
    EXPECT_EQ(app->trayIcon(), nullptr);
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_THAT(quits, ElementsAre(0));
    EXPECT_TRUE(ended.empty());
    ASSERT_EQ(folder.boxes.entries.size(), 2u);
    EXPECT_EQ(folder.boxes.entries[0].text, "Do you really want to Exit Salvenor?");
    EXPECT_EQ(folder.boxes.entries[0].icon, MessageIcon::Error);
}

TEST_F(TrayTest, LaterStartCallsAHiddenBarForward) {
    Running(true);
    app->action(Command::ShowPrayerBar)->trigger();
    ASSERT_FALSE(Bar().isVisible());
    app->OnActivationRequested();
    EXPECT_TRUE(Bar().isVisible());
    EXPECT_TRUE(app->action(Command::ShowPrayerBar)->isChecked());
    EXPECT_NE(QApplication::activeWindow(), &Bar());  // shown without taking the focus
}

class NoTrayTest : public AppTest {};

TEST_F(NoTrayTest, TrayItemsMoveToTheBarsRightClickMenu) {
    Running(false);
    EXPECT_EQ(app->trayIcon(), nullptr);
    testing::ModalScript script;
    script.then(testing::Reject());
    {
        NextMenu menu{"Today Prayer Times"};
        QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(100, 30),
                                  Bar().mapToGlobal(QPoint(100, 30)));
        QApplication::sendEvent(&Bar(), &context);
        EXPECT_THAT(menu.rows, ElementsAre("&About ZAV...", "-", "Today Prayer Times",
                                           "Show Prayer Bar [x]", "-", "E&xit"));
    }
    EXPECT_THAT(script.titles, ElementsAre("Today Pryer Times"));

    folder.boxes.answers = {true};
    {
        NextMenu menu{"E&xit"};
        QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(60, 8),
                                  Bar().mapToGlobal(QPoint(60, 8)));
        QApplication::sendEvent(&Bar(), &context);
    }
    EXPECT_THAT(quits, ElementsAre(0));
}

TEST_F(NoTrayTest, HidingIsRefusedWithAMessage) {
    Running(false);
    QTest::keyClick(&Bar(), Qt::Key_Escape);
    app->action(Command::ShowPrayerBar)->trigger();
    EXPECT_TRUE(Bar().isVisible());
    EXPECT_TRUE(app->barVisible());
    EXPECT_TRUE(app->action(Command::ShowPrayerBar)->isChecked());
    EXPECT_THAT(folder.boxes.texts(),
                ElementsAre(texts::HideRefusedNoTray, texts::HideRefusedNoTray));
    EXPECT_FALSE(folder.boxes.entries[0].question);
}

// The notice waits for the first minutes of looking for a late tray, then comes once.
TEST_F(NoTrayTest, SaysOnceHowToReachTheTrayItemsAfterTheFirstMinutes) {
    WriteConfig();
    const std::vector<unsigned char> before = testing::ReadBytes(ConfigPath());
    ASSERT_EQ(Start(false), std::nullopt);
    QCoreApplication::processEvents();
    EXPECT_TRUE(folder.boxes.entries.empty());
    EXPECT_TRUE(app->trayWatchTimer().isActive());
    EXPECT_EQ(app->trayWatchTimer().interval(), TrayWatchFastMs);
    for (int seconds = 5; seconds < TrayWatchFastSeconds; seconds += 5) {
        clock.advance(5);
        app->OnTrayWatch();
    }
    EXPECT_TRUE(folder.boxes.entries.empty());  // a panel may still be on its way
    clock.advance(5);
    app->OnTrayWatch();
    EXPECT_THAT(folder.boxes.texts(), ElementsAre(texts::NoTrayNotice));
    EXPECT_EQ(app->trayWatchTimer().interval(), TrayWatchSlowMs);  // looking on, rarely
    app->OnTrayWatch();
    EXPECT_EQ(folder.boxes.entries.size(), 1u);
    const QString ini = QString::fromStdString(folder.path() + "/salvenor.ini");
    EXPECT_TRUE(QSettings(ini, QSettings::IniFormat).value("notices/noTrayExplained").toBool());

    app.reset();
    ASSERT_EQ(Start(false), std::nullopt);
    clock.advance(TrayWatchFastSeconds);
    app->OnTrayWatch();
    EXPECT_EQ(folder.boxes.entries.size(), 1u);
    // zav.cfg keeps its record only.
    EXPECT_EQ(testing::ReadBytes(ConfigPath()), before);
}

// A panel that comes up after the program: the tray icon appears, the three items go back to
// its menu (the bar's window menu keeps only its own), hiding the bar is allowed, and no notice
// is given.
TEST_F(NoTrayTest, ALateTrayIsPickedUp) {
    Running(false);
    clock.advance(30);
    app->OnTrayWatch();
    EXPECT_EQ(app->trayIcon(), nullptr);
    trayAppears = true;
    clock.advance(5);
    app->OnTrayWatch();
    ASSERT_NE(app->trayIcon(), nullptr);
    EXPECT_TRUE(app->trayAvailable());
    EXPECT_FALSE(app->trayWatchTimer().isActive());
    EXPECT_EQ(testing::MenuRows(*app->trayIcon()->contextMenu()).size(), TrayMenuEntries().size());
    EXPECT_EQ(WindowMenuEntries(app->trayAvailable()).size(), 1u);
    app->action(Command::ShowPrayerBar)->trigger();
    EXPECT_FALSE(Bar().isVisible());
    clock.advance(TrayWatchFastSeconds);
    app->OnTrayWatch();
    EXPECT_TRUE(folder.boxes.entries.empty());
}

// The notification choices of salvenor.ini reach the bar at start: a warning before the next
// prayer is armed.
TEST_F(TrayTest, NotificationChoicesOfTheSettingsFileReachTheBar) {
    testing::WriteText(folder.path() + "/salvenor.ini", "[notifications]\nwarningMinutes=10\n");
    Running(true);
    EXPECT_EQ(Bar().schedule().notifications().warningMinutes, 10);
    EXPECT_TRUE(Bar().warningTimer().isActive());
}

TEST_F(TrayTest, NoNoticeWhereThereIsATray) {
    WriteConfig();
    ASSERT_EQ(Start(true), std::nullopt);
    QCoreApplication::processEvents();
    EXPECT_TRUE(folder.boxes.entries.empty());
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(folder.path() + "/salvenor.ini")));
}

}  // namespace
}  // namespace salvenor

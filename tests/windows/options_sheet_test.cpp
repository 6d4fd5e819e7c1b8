// The Options sheet: its two pages and their starting values, OK and Cancel run modally, the
// switches copied back and saved, and what the saved switches do at the next prayer.
#include "windows/options_sheet.h"

#include "platform/notification_settings.h"
#include "platform/settings_file.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFileInfo>

#include "bar/schedule.h"
#include "core/hijri.h"
#include "core/texts.h"
#include "platform/autostart.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/options_test_support.h"
#include "windows/athan_settings_page.h"
#include "windows/date_adj_page.h"
#include "windows/language_group.h"
#include "windows/play_button.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ReadBack;

class OptionsSheetTest : public ::testing::Test {
  protected:
    COptionsSheet& Show() {
        sheet = std::make_unique<COptionsSheet>(f.config, f.boxes, f.sound, f.clock, f.path(),
                                                f.files.chooser());
        sheet->show();
        return *sheet;
    }

    // RunOptionsSheet runs the sheet modally; `act` plays the user once it is up.
    OptionsSheetResult RunDriven(const std::function<void(COptionsSheet&)>& act) {
        testing::WhenModalOpens<COptionsSheet>(act);
        return RunOptionsSheet(nullptr, f.config, f.boxes, f.sound, f.clock, f.path(),
                               f.files.chooser());
    }

    testing::OptionsFolder f;
    std::unique_ptr<COptionsSheet> sheet;
};

TEST_F(OptionsSheetTest, TwoPagesUnderAnEmptyCaption) {
    f.config.showAthanAlert = 0;
    f.config.barOnTopReminder = 1;
    f.config.muteAllSounds = 1;
    const COptionsSheet& s = Show();
    EXPECT_EQ(s.windowTitle(), "");
    ASSERT_EQ(s.pageCount(), 2);
    EXPECT_EQ(s.page(0), s.athanPage());
    EXPECT_EQ(s.page(1), s.dateAdjPage());
    // "&" stands for itself in the tab, not for a mnemonic.
    EXPECT_EQ(s.tabs()->tabText(0), "Athan && Reminder Settings");
    EXPECT_EQ(s.tabs()->tabText(1), "Date Adjustments");
    EXPECT_TRUE(s.athanPage()->created());
    EXPECT_FALSE(s.dateAdjPage()->created());
    EXPECT_EQ(s.athanPage()->switches(), (AthanSwitches{0, 1, 1}));
    EXPECT_FALSE(s.athanPage()->showAlertCheck()->isChecked());
    EXPECT_TRUE(s.athanPage()->muteCheck()->isChecked());
    EXPECT_EQ(s.dateAdjPage()->day(), HijriDayOfMonth(f.clock.now()));
}

TEST_F(OptionsSheetTest, TheCornerButtonSitsInAGroupAtTheBottomOfTheFirstPage) {
    COptionsSheet& s = Show();
    QPushButton* button = s.putBarInCornerButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text().toStdString(), texts::PutBarInCornerButton);
    auto* group = qobject_cast<QGroupBox*>(button->parentWidget());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title().toStdString(), texts::BarPlaceGroup);
    EXPECT_EQ(group->parentWidget(), s.athanPage());
    // Below everything else of the page but the language group, which comes last.
    const QWidget* language = s.languageGroup();
    EXPECT_LE(group->geometry().bottom(), language->geometry().top());
    for (const QWidget* other :
         s.athanPage()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != group && other != language && other->isVisible()) {
            EXPECT_LE(other->geometry().bottom(), group->geometry().top())
                << other->metaObject()->className();
        }
    }
}

TEST_F(OptionsSheetTest, TheCornerButtonActsAtOnceWhateverTheSheetsEnd) {
    int asked = 0;
    testing::WhenModalOpens<COptionsSheet>([&asked](COptionsSheet& s) {
        s.putBarInCornerButton()->click();
        EXPECT_EQ(asked, 1) << "before the sheet ends";
        s.reject();
    });
    const OptionsSheetResult result =
        RunOptionsSheet(nullptr, f.config, f.boxes, f.sound, f.clock, f.path(), f.files.chooser(),
                        [&asked] { ++asked; });
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(f.settings.configSaved());
}

TEST_F(OptionsSheetTest, DatePageShowsTodaysHijriDay) {
    // 15 January 2024 is 4 Rajab 1445 in this arithmetic; seek the day whose text begins with 7.
    while (FormatHijriDate(f.clock.now()).rfind("7 of ", 0) != 0) {
        f.clock.advance(86400);
    }
    COptionsSheet& s = Show();
    ASSERT_TRUE(s.SetActivePage(1));
    EXPECT_EQ(s.dateAdjPage()->dayEdit()->text(), "7");
    EXPECT_EQ(s.dateAdjPage()->monthList()->currentIndex(), -1);
    s.okButton()->click();
    EXPECT_EQ(s.result(), QDialog::Accepted);
    EXPECT_EQ(s.dateAdjPage()->day(), 7u);
    EXPECT_THAT(f.boxes.entries, IsEmpty());
}

TEST_F(OptionsSheetTest, OkRunsTheAthanPageEvenFromTheDatePage) {
    COptionsSheet& s = Show();
    s.athanPage()->athanEdit()->setText("/opt/sounds/athan.wav");
    ASSERT_TRUE(s.SetActivePage(1));
    s.okButton()->click();
    EXPECT_EQ(s.result(), QDialog::Accepted);
    EXPECT_EQ(f.config.athanWavPath, "/opt/sounds/athan.wav");
}

// What the user confirmed, end to end: the page's OK stores the paths, the copy of the switches
// joins them and saves the file once, and a fresh start loads both.
TEST_F(OptionsSheetTest, OkCopiesTheSwitchesBackAndSavesThem) {
    const OptionsSheetResult result = RunDriven([this](COptionsSheet& s) {
        CAthanSettingsPage& page = *s.athanPage();
        f.files.answers.push_back(f.athanFolder() + "Makkah.wav");
        page.athanBrowseButton()->click();
        page.showAlertCheck()->click();  // on -> off
        page.muteCheck()->click();       // off -> on
        s.okButton()->click();
    });
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.showAthanAlert, 0);
    EXPECT_EQ(result.barOnTopReminder, 1);
    EXPECT_EQ(result.muteAllSounds, 1);
    // Nothing is on disk until the switches are copied in.
    EXPECT_FALSE(f.settings.configSaved());
    EXPECT_EQ(f.config.athanWavPath, f.athanFolder() + "Makkah.wav");

    ApplyOptionsResult(f.config, result);
    EXPECT_EQ(f.config.showAthanAlert, 0);
    EXPECT_EQ(f.config.muteAllSounds, 1);
    const ConfigRecord saved = ReadBack(f.config.configPath);
    EXPECT_EQ(static_cast<const ConfigRecord&>(f.config), saved);
    EXPECT_EQ(saved.athanWavPath, f.athanFolder() + "Makkah.wav");
    EXPECT_EQ(saved.showAthanAlert, 0);
    EXPECT_EQ(saved.barOnTopReminder, 1);
    EXPECT_EQ(saved.muteAllSounds, 1);
    EXPECT_EQ(saved.fajrAthanWavPath, FirstRunFajrAthanWavPath);
    EXPECT_THAT(f.boxes.entries, IsEmpty());
}

// One OK, one save: a file that cannot be written is reported once, after the paths and the
// switches are both in the record.
TEST_F(OptionsSheetTest, OkWritesTheFileOnce) {
    f.config.configPath = f.path() + "/missing/zav.cfg";
    const OptionsSheetResult result = RunDriven([](COptionsSheet& s) {
        s.athanPage()->athanEdit()->setText("/opt/sounds/athan.wav");
        s.athanPage()->muteCheck()->click();  // off -> on
        s.okButton()->click();
    });
    ASSERT_TRUE(result.accepted);
    EXPECT_THAT(f.boxes.entries, IsEmpty());
    ApplyOptionsResult(f.config, result);
    EXPECT_THAT(f.boxes.texts(), ElementsAre(texts::ConfigSaveError));
    EXPECT_EQ(f.config.athanWavPath, "/opt/sounds/athan.wav");
    EXPECT_EQ(f.config.muteAllSounds, 1);
}

// salvenor.ini that cannot be replaced (a folder stands in its place): OK says so once for each
// choice kept there, naming the file, and the choices stay in force in this session.
TEST_F(OptionsSheetTest, ChoicesThatCannotBeSavedInSalvenorIniAreTold) {
    const std::string ini = f.path() + "/salvenor.ini";
    std::filesystem::create_directory(ini);
    OptionsSheetResult result;
    result.accepted = true;
    result.notifications.warningMinutes = 10;
    result.settingsPath = ini;
    ApplyOptionsResult(f.config, result);
    ASSERT_EQ(f.boxes.entries.size(), 1u);
    EXPECT_NE(f.boxes.entries[0].text.find(ini), std::string::npos) << f.boxes.entries[0].text;

    EXPECT_FALSE(SaveLanguageChoiceIn(f.path(), "tr", &f.boxes));
    ASSERT_EQ(f.boxes.entries.size(), 2u);
    EXPECT_NE(f.boxes.entries[1].text.find(ini), std::string::npos) << f.boxes.entries[1].text;
}

// The login start is the desktop's autostart entry: the box shows whether it is there, and only
// the sheet's OK writes or removes it.
TEST_F(OptionsSheetTest, StartAtLoginWritesOrRemovesTheAutostartEntryOnOkOnly) {
    struct Case {
        bool before;
        bool ok;
        bool expected;
    };
    const Case cases[] = {
        {false, true, true}, {true, true, false}, {false, false, false}, {true, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before ? "on" : "off") + (c.ok ? ", toggled, OK" : ", Cancel"));
        const testing::TempDir home;
        const testing::ScopedEnv xdg("XDG_CONFIG_HOME", home.path().string());
        ASSERT_TRUE(SetAutostart(c.before));
        RunDriven([&c](COptionsSheet& s) {
            QCheckBox& box = *s.athanPage()->startAtLoginCheck();
            EXPECT_EQ(box.isChecked(), c.before);
            box.click();
            (c.ok ? s.okButton() : s.cancelButton())->click();
        });
        EXPECT_EQ(AutostartEnabled(), c.expected);
        EXPECT_EQ(std::filesystem::exists(AutostartEntryPath()), c.expected);
    }
    EXPECT_THAT(f.boxes.entries, IsEmpty());
}

TEST_F(OptionsSheetTest, StartAtLoginThatCannotBeWrittenIsReported) {
    const testing::TempDir home;
    // The autostart folder's place is taken by a file.
    std::ofstream(home.file("autostart")) << "not a folder";
    const testing::ScopedEnv xdg("XDG_CONFIG_HOME", home.path().string());
    RunDriven([](COptionsSheet& s) {
        s.athanPage()->startAtLoginCheck()->click();
        s.okButton()->click();
    });
    EXPECT_FALSE(AutostartEnabled());
    ASSERT_EQ(f.boxes.entries.size(), 1u);
    EXPECT_THAT(f.boxes.entries[0].text, ::testing::HasSubstr(AutostartEntryPath()));
}

TEST_F(OptionsSheetTest, CancelCopiesAndSavesNothing) {
    const ConfigRecord before = f.config;
    const OptionsSheetResult result = RunDriven([this](COptionsSheet& s) {
        CAthanSettingsPage& page = *s.athanPage();
        f.files.answers.push_back(f.athanFolder() + "Makkah.wav");
        page.athanBrowseButton()->click();
        page.showAlertCheck()->click();
        page.barOnTopCheck()->click();
        page.muteCheck()->click();
        s.cancelButton()->click();
    });
    EXPECT_FALSE(result.accepted);
    ApplyOptionsResult(f.config, result);
    EXPECT_EQ(static_cast<const ConfigRecord&>(f.config), before);
    EXPECT_FALSE(f.settings.configSaved());
}

// Each switch is stored as 1 when the page's value is non-zero, and saved.
struct ApplyCase {
    OptionsSheetResult result;
    std::uint8_t show, onTop, mute;
};
void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << c.result.showAthanAlert << "/" << c.result.barOnTopReminder << "/"
        << c.result.muteAllSounds;
}

class ApplyOptionsResultTest : public OptionsSheetTest,
                               public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyOptionsResultTest, NonZeroIsOnAndTheFileFollows) {
    const ApplyCase& c = GetParam();
    f.config.showAthanAlert = 7;
    f.config.barOnTopReminder = 7;
    f.config.muteAllSounds = 7;
    ApplyOptionsResult(f.config, c.result);
    EXPECT_EQ(f.config.showAthanAlert, c.show);
    EXPECT_EQ(f.config.barOnTopReminder, c.onTop);
    EXPECT_EQ(f.config.muteAllSounds, c.mute);
    const ConfigRecord saved = ReadBack(f.config.configPath);
    EXPECT_EQ(saved.showAthanAlert, c.show);
    EXPECT_EQ(saved.barOnTopReminder, c.onTop);
    EXPECT_EQ(saved.muteAllSounds, c.mute);
}

INSTANTIATE_TEST_SUITE_P(Values, ApplyOptionsResultTest,
                         ::testing::Values(ApplyCase{{true, 0, 0, 0, {}, {}, {}}, 0, 0, 0},
                                           ApplyCase{{true, 1, 0, 1, {}, {}, {}}, 1, 0, 1},
                                           ApplyCase{{true, 0, 5, 0, {}, {}, {}}, 0, 1, 0},
                                           ApplyCase{{true, -1, 255, 256, {}, {}, {}}, 1, 1, 1}));

// The notification choices reach salvenor.ini after OK only when they changed.
TEST_F(OptionsSheetTest, NotificationChoicesAreWrittenToTheSettingsFileWhenChanged) {
    const std::string ini = f.path() + "/salvenor.ini";
    OptionsSheetResult unchanged{true, 1, 1, 0, {}, ini, {}};
    ApplyOptionsResult(f.config, unchanged);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ini)));
    OptionsSheetResult changed{true, 1, 1, 0, {false, 20}, ini, {}};
    ApplyOptionsResult(f.config, changed);
    EXPECT_EQ(ReadNotificationChoices(SettingsFile(ini)), (NotificationChoices{false, 20}));
    OptionsSheetResult cancelled{false, 1, 1, 0, {true, 30}, ini, {}};
    ApplyOptionsResult(f.config, cancelled);
    EXPECT_EQ(ReadNotificationChoices(SettingsFile(ini)), (NotificationChoices{false, 20}));
}

// The switches as saved, loaded by a fresh start, decide what the next prayer asks for.
struct NextAthanCase {
    const char* name;
    bool showAlert;
    bool mute;
    bool athan;      // an athan window opens
    bool playSound;  // and plays
};
void PrintTo(const NextAthanCase& c, std::ostream* os) {
    *os << c.name;
}

class SwitchesAtTheNextPrayerTest : public OptionsSheetTest,
                                    public ::testing::WithParamInterface<NextAthanCase> {};

TEST_P(SwitchesAtTheNextPrayerTest, SavedSwitchesChangeTheNextAthan) {
    const NextAthanCase& c = GetParam();
    const OptionsSheetResult result = RunDriven([this, &c](COptionsSheet& s) {
        CAthanSettingsPage& page = *s.athanPage();
        f.files.answers.push_back(f.athanFolder() + "Makkah.wav");
        page.athanBrowseButton()->click();
        page.showAlertCheck()->setChecked(c.showAlert);
        page.muteCheck()->setChecked(c.mute);
        s.okButton()->click();
    });
    ASSERT_TRUE(result.accepted);
    ApplyOptionsResult(f.config, result);

    testing::RecordingMessageBoxes boxes;
    CConfigFile loaded(boxes);
    loaded.configPath = f.config.configPath;
    ASSERT_EQ(loaded.OpenConfig(), CConfigFile::OpenResult::Loaded);
    PrayerSchedule schedule(loaded, f.clock);
    schedule.RestartSchedule();
    ASSERT_EQ(schedule.nextIndex(), Thuhr);
    f.clock.set(schedule.nextPrayerTime());
    const PrayerTick tick = schedule.OnNextPrayerTick();
    ASSERT_EQ(tick.arrival, PrayerArrival::Arrived);
    ASSERT_EQ(tick.athan.has_value(), c.athan);
    if (c.athan) {
        EXPECT_EQ(tick.athan->prayerIndex, Thuhr);
        EXPECT_EQ(tick.athan->soundPath, f.athanFolder() + "Makkah.wav");
        EXPECT_EQ(tick.athan->playSound, c.playSound);
    }
    EXPECT_THAT(boxes.entries, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Switches, SwitchesAtTheNextPrayerTest,
                         ::testing::Values(NextAthanCase{"AlertWithSound", true, false, true, true},
                                           NextAthanCase{"AlertMuted", true, true, true, false},
                                           NextAthanCase{"NoAlert", false, false, false, false},
                                           NextAthanCase{"NoAlertMuted", false, true, false,
                                                         false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Both pages at the sheet's own size: every control lies whole inside its page, the first
// switch has room for its two lines, and the pictures go to the build folder for a look.
TEST_F(OptionsSheetTest, PagesFitTheirControlsAndAreSavedForALook) {
    COptionsSheet& s = Show();
    s.adjustSize();
    QDir().mkpath(SALVENOR_SCREENSHOT_DIR);
    const char* const names[] = {"options-athan.png", "options-date.png"};
    for (int i = 0; i < s.pageCount(); ++i) {
        ASSERT_TRUE(s.SetActivePage(i));
        QWidget* const page = s.page(i);
        for (const QWidget* w : page->findChildren<QWidget*>()) {
            SCOPED_TRACE(w->accessibleName().toStdString());
            EXPECT_TRUE(page->rect().contains(w->geometry())) << "clipped";
            EXPECT_GE(w->width(), w->minimumSizeHint().width());
        }
        EXPECT_TRUE(s.grab().save(QString(SALVENOR_SCREENSHOT_DIR) + "/" + names[i]));
    }
    const QCheckBox* twoLines = s.athanPage()->showAlertCheck();
    EXPECT_GE(twoLines->height(), 2 * twoLines->fontMetrics().height());
}

// The system's file dialog behind the seam: where it opens, and what it answers.
class SoundFileDialogTest : public ::testing::Test {
  protected:
    SoundFileDialogTest() {
        std::ofstream(f.athanFolder() + "Athan-1.wav") << "RIFF";
        std::ofstream(f.athanFolder() + "Makkah.wav") << "RIFF";
    }

    std::optional<std::string> Run(const std::function<void(QFileDialog&)>& act) {
        testing::WhenModalOpens<QFileDialog>(act);
        return ChooseSoundFileWithDialog(nullptr,
                                         MakeSoundFileRequest(f.path(), AthanBrowseProposedName));
    }

    testing::OptionsFolder f;
};

TEST_F(SoundFileDialogTest, OpensInTheAthanFolderOnTheInitialName) {
    const std::optional<std::string> chosen = Run([this](QFileDialog& d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(d.directory().absolutePath().toStdString() + "/", f.athanFolder());
        EXPECT_EQ(d.nameFilters(), QStringList({"Wave Files (*.wav)", "All Files (*.*)"}));
        EXPECT_EQ(d.defaultSuffix(), "wav");
        static_cast<QDialog&>(d).accept();  // Open, on the initial name (it exists here)
    });
    EXPECT_EQ(chosen, f.athanFolder() + "Athan-1.wav");
}

TEST_F(SoundFileDialogTest, AnswersTheChosenFilesFullPath) {
    const std::optional<std::string> chosen = Run([](QFileDialog& d) {
        d.selectFile("Makkah.wav");
        static_cast<QDialog&>(d).accept();  // as its Open button does
    });
    EXPECT_EQ(chosen, f.athanFolder() + "Makkah.wav");
}

TEST_F(SoundFileDialogTest, CancelAnswersNothing) {
    EXPECT_EQ(Run([](QFileDialog& d) { d.reject(); }), std::nullopt);
}

TEST_F(SoundFileDialogTest, RefusesAFileThatDoesNotExist) {
    bool warned = false;
    const std::optional<std::string> chosen = Run([&warned](QFileDialog& d) {
        // The dialog says so in a box of its own and stays open.
        testing::WhenModalOpens<QMessageBox>([&warned](QMessageBox& box) {
            warned = true;
            box.accept();
        });
        d.selectFile("Missing.wav");
        static_cast<QDialog&>(d).accept();  // as its Open button does
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_TRUE(warned);
    EXPECT_EQ(chosen, std::nullopt);
}

struct FilterCase {
    FileTypeFilter filter;
    const char* qt;
};
void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << '"' << c.filter.shown << "\" / \"" << c.filter.pattern << '"';
}

class QtNameFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(QtNameFilterTest, TextThenPatternInParentheses) {
    EXPECT_EQ(QtNameFilter(GetParam().filter).toStdString(), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, QtNameFilterTest,
    ::testing::Values(FilterCase{SoundFileFilters[0], "Wave Files (*.wav)"},
                      FilterCase{SoundFileFilters[1], "All Files (*.*)"},
                      FilterCase{{"Sounds", " *.wav *.au "}, "Sounds (*.wav *.au)"},
                      FilterCase{{" Wave Files (*.wav) ", "*.wav"}, "Wave Files (*.wav)"},
                      FilterCase{{"Wave (*.wav)", "*.mp3"}, "Wave (*.wav) (*.mp3)"}));

TEST(AthanFolderPath, IsAbsoluteWithAClosingSeparator) {
    EXPECT_EQ(AthanFolderPath("/opt/salvenor"), "/opt/salvenor/Athan/");
    EXPECT_EQ(AthanFolderPath("/opt/salvenor/"), "/opt/salvenor/Athan/");
    EXPECT_EQ(AthanFolderPath("."), QDir::currentPath().toStdString() + "/Athan/");
}

}  // namespace
}  // namespace salvenor

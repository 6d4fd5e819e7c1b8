// The Athan & Reminder Settings page: what it shows, "Browse..." answered and cancelled, the
// shared playing flag of the two play buttons, its keyboard path, and what its OK stores.
#include "windows/athan_settings_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/windows/options_test_support.h"
#include "windows/play_button.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr const char* StoredAthan = ".\\Athan\\Athan-1.wav";
constexpr const char* StoredFajr = ".\\Athan\\athanFajr.wav";
constexpr const char* PlayAthan = "play:./Athan/Athan-1.wav";
constexpr const char* PlayFajr = "play:./Athan/athanFajr.wav";

class AthanSettingsPageTest : public ::testing::Test {
  protected:
    CAthanSettingsPage& Open(const AthanSwitches& switches = {1, 1, 0}) {
        page = std::make_unique<CAthanSettingsPage>(f.config, f.sound, f.path(), f.files.chooser());
        page->setSwitches(switches);
        page->show();
        page->EnsureCreated();
        return *page;
    }

    testing::OptionsFolder f;
    std::unique_ptr<CAthanSettingsPage> page;
};

TEST_F(AthanSettingsPageTest, ShowsItsTextsAndTheStoredPaths) {
    const CAthanSettingsPage& p = Open();
    std::vector<std::string> labels;
    for (const QLabel* label : p.findChildren<QLabel*>()) {
        labels.push_back(label->text().toStdString());
    }
    EXPECT_THAT(labels,
                ElementsAre("All Prayer Athan File (WAV)", "Fajr Prayer Athan File (WAV):"));
    EXPECT_EQ(p.athanBrowseButton()->text(), "Browse...");
    EXPECT_EQ(p.fajrAthanBrowseButton()->text(), "Browse...");
    // The first switch reads on two lines; broken at a blank, it is the text word for word.
    const QString shown = p.showAlertCheck()->text();
    EXPECT_EQ(shown.count('\n'), 1);
    EXPECT_EQ(QString(shown).replace('\n', ' '),
              "Display Athan Dialog and Play Athan Sound When Prayer Time Comes");
    EXPECT_EQ(p.barOnTopCheck()->text(), "Bring Time Bar on Top to Remind of Prayer Time");
    EXPECT_EQ(p.muteCheck()->text(), "Mute All Sounds");

    EXPECT_EQ(p.athanEdit()->text(), StoredAthan);
    EXPECT_EQ(p.fajrAthanEdit()->text(), StoredFajr);
    EXPECT_EQ(p.athanPath(), StoredAthan);
    EXPECT_EQ(p.fajrAthanPath(), StoredFajr);
    EXPECT_FALSE(p.playing());
}

// The fields start empty and the switches off until the page is set up and given them.
TEST(AthanSettingsPageFields, StartEmptyBeforeSetUp) {
    testing::OptionsFolder f;
    const CAthanSettingsPage page(f.config, f.sound, f.path(), f.files.chooser());
    EXPECT_FALSE(page.created());
    EXPECT_EQ(page.athanPath(), "");
    EXPECT_EQ(page.fajrAthanPath(), "");
    EXPECT_EQ(page.switches(), (AthanSwitches{0, 0, 0}));
    EXPECT_FALSE(page.playing());
}

class AthanSwitchesShownTest : public AthanSettingsPageTest,
                               public ::testing::WithParamInterface<AthanSwitches> {};

TEST_P(AthanSwitchesShownTest, ChecksFollowTheGivenValuesAndReadBackAsOneOrZero) {
    const AthanSwitches& given = GetParam();
    CAthanSettingsPage& p = Open(given);
    EXPECT_EQ(p.showAlertCheck()->isChecked(), given.showAthanAlert != 0);
    EXPECT_EQ(p.barOnTopCheck()->isChecked(), given.barOnTopReminder != 0);
    EXPECT_EQ(p.muteCheck()->isChecked(), given.muteAllSounds != 0);
    ASSERT_TRUE(p.OnKillActive());
    EXPECT_EQ(p.switches(), (AthanSwitches{given.showAthanAlert != 0, given.barOnTopReminder != 0,
                                           given.muteAllSounds != 0}));
}

INSTANTIATE_TEST_SUITE_P(Values, AthanSwitchesShownTest,
                         ::testing::Values(AthanSwitches{0, 0, 0}, AthanSwitches{1, 0, 0},
                                           AthanSwitches{0, 1, 0}, AthanSwitches{0, 0, 1},
                                           AthanSwitches{1, 1, 1}, AthanSwitches{255, 2, -1}));

TEST_F(AthanSettingsPageTest, CheckBoxesOnlyToggle) {
    CAthanSettingsPage& p = Open({1, 1, 0});
    p.muteCheck()->click();
    p.showAlertCheck()->click();
    EXPECT_TRUE(p.muteCheck()->isChecked());
    EXPECT_FALSE(p.showAlertCheck()->isChecked());
    EXPECT_EQ(p.switches(), (AthanSwitches{1, 1, 0}));  // the fields wait for the page's save
    EXPECT_THAT(f.sound.requests, IsEmpty());
    EXPECT_THAT(f.files.requests, IsEmpty());
}

TEST_F(AthanSettingsPageTest, SwitchesGivenLaterReplaceOnlyTheCheckBoxes) {
    CAthanSettingsPage& p = Open({0, 0, 0});
    p.athanEdit()->setText("typed.wav");
    p.setSwitches({1, 0, 1});
    EXPECT_TRUE(p.showAlertCheck()->isChecked());
    EXPECT_FALSE(p.barOnTopCheck()->isChecked());
    EXPECT_TRUE(p.muteCheck()->isChecked());
    EXPECT_EQ(p.athanEdit()->text(), "typed.wav");
}

// "Browse...": what the dialog is asked, and what its answer does to the row.
struct BrowseCase {
    const char* name;
    bool fajr;
    const char* typed;                  // typed into the row's edit first, or null
    std::optional<std::string> answer;  // relative to the Athan folder; empty: Cancel
    const char* initialName;
};
void PrintTo(const BrowseCase& c, std::ostream* os) {
    *os << c.name;
}

class BrowseTest : public AthanSettingsPageTest,
                   public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, ChosenFileIsStoredWholeAndCancelKeepsTheEdit) {
    const BrowseCase& c = GetParam();
    CAthanSettingsPage& p = Open();
    QLineEdit* const edit = c.fajr ? p.fajrAthanEdit() : p.athanEdit();
    const std::string stored = c.fajr ? StoredFajr : StoredAthan;
    if (c.typed != nullptr) {
        edit->setText(c.typed);
    }
    const QString before = edit->text();
    const std::optional<std::string> answer =
        c.answer ? std::optional<std::string>(f.athanFolder() + *c.answer) : std::nullopt;
    f.files.answers.push_back(answer);
    (c.fajr ? p.fajrAthanBrowseButton() : p.athanBrowseButton())->click();

    ASSERT_EQ(f.files.requests.size(), 1u);
    const SoundFileRequest& asked = f.files.requests[0];
    EXPECT_EQ(asked.directory.toStdString(), f.athanFolder());
    EXPECT_EQ(asked.initialName, c.initialName);
    EXPECT_EQ(asked.nameFilters, QStringList({"Wave Files (*.wav)", "All Files (*.*)"}));
    EXPECT_EQ(asked.defaultSuffix, "wav");

    const std::string path = c.fajr ? p.fajrAthanPath() : p.athanPath();
    if (answer) {
        EXPECT_EQ(edit->text().toStdString(), *answer);
        EXPECT_EQ(path, *answer);
        EXPECT_EQ(path.front(), '/');  // the full path, not one relative to the folder
    } else {
        EXPECT_EQ(edit->text(), before);
        EXPECT_EQ(path, stored);
    }
    EXPECT_EQ(p.focusWidget(), edit);
    EXPECT_THAT(f.boxes.entries, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BrowseTest,
    ::testing::Values(
        BrowseCase{"AthanChosen", false, nullptr, "Makkah.wav", "Athan-1.wav"},
        BrowseCase{"FajrChosen", true, nullptr, "Dawn.wav", "AthanFajr.wav"},
        BrowseCase{"AthanChosenOverTyping", false, "typed.wav", "Makkah.wav", "Athan-1.wav"},
        BrowseCase{"AthanCancelled", false, nullptr, std::nullopt, "Athan-1.wav"},
        BrowseCase{"FajrCancelled", true, nullptr, std::nullopt, "AthanFajr.wav"},
        BrowseCase{"CancelKeepsTyping", true, "typed.wav", std::nullopt, "AthanFajr.wav"}),
    [](const auto& info) { return std::string(info.param.name); });

// What the user typed or ticked elsewhere on the page survives a "Browse..." of one row.
TEST_F(AthanSettingsPageTest, BrowseLeavesTheOtherControlsAsTheUserLeftThem) {
    CAthanSettingsPage& p = Open({1, 1, 0});
    p.fajrAthanEdit()->setText("/tmp/other.wav");
    p.muteCheck()->click();
    p.barOnTopCheck()->click();
    f.files.answers.push_back(f.athanFolder() + "Makkah.wav");
    p.athanBrowseButton()->click();
    f.files.answers.push_back(std::nullopt);
    p.athanBrowseButton()->click();

    EXPECT_EQ(p.fajrAthanEdit()->text(), "/tmp/other.wav");
    EXPECT_TRUE(p.muteCheck()->isChecked());
    EXPECT_FALSE(p.barOnTopCheck()->isChecked());
    p.OnOK();
    EXPECT_EQ(f.config.athanWavPath, f.athanFolder() + "Makkah.wav");
    EXPECT_EQ(f.config.fajrAthanWavPath, "/tmp/other.wav");
    EXPECT_EQ(p.switches(), (AthanSwitches{1, 0, 1}));
}

// The play buttons: one shared flag; a press while it is set only stops.
struct PlayCase {
    const char* name;
    const char* presses;  // 'A' the athan button, 'F' the Fajr button
    std::vector<std::string> requests;
    bool playingAfter;
};
void PrintTo(const PlayCase& c, std::ostream* os) {
    *os << c.name;
}

class PlayTest : public AthanSettingsPageTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(PlayTest, OneFlagForBothButtons) {
    const PlayCase& c = GetParam();
    CAthanSettingsPage& p = Open();
    for (const char* key = c.presses; *key != '\0'; ++key) {
        (*key == 'A' ? p.athanPlayButton() : p.fajrAthanPlayButton())->click();
    }
    EXPECT_THAT(f.sound.requests, ElementsAreArray(c.requests));
    EXPECT_EQ(p.playing(), c.playingAfter);
    EXPECT_THAT(f.boxes.entries, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PlayTest,
    ::testing::Values(PlayCase{"Athan", "A", {PlayAthan}, true},
                      PlayCase{"Fajr", "F", {PlayFajr}, true},
                      PlayCase{"SecondPressStops", "AA", {PlayAthan, "stop"}, false},
                      PlayCase{"OtherButtonOnlyStops", "AF", {PlayAthan, "stop"}, false},
                      PlayCase{"FajrThenAthanOnlyStops", "FA", {PlayFajr, "stop"}, false},
                      PlayCase{"ThirdPressPlaysAgain", "AFF", {PlayAthan, "stop", PlayFajr}, true},
                      PlayCase{
                          "Alternating", "AAFF", {PlayAthan, "stop", PlayFajr, "stop"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a sound device a press of either play button says so on the page; nothing else of the
// buttons changes.
TEST_F(AthanSettingsPageTest, PlayWithoutASoundDeviceSaysSo) {
    struct Case {
        const char* presses;
        bool device;
        bool said;
    };
    const Case cases[] = {{"", false, false},
                          {"A", false, true},
                          {"F", false, true},
                          {"AA", false, true},
                          {"A", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.presses) + (c.device ? " with a device" : " without"));
        f.sound.outputDevice = c.device;
        f.sound.requests.clear();
        CAthanSettingsPage& p = Open();
        for (const char* key = c.presses; *key != '\0'; ++key) {
            (*key == 'A' ? p.athanPlayButton() : p.fajrAthanPlayButton())->click();
        }
        ASSERT_EQ(p.noDeviceLabel() != nullptr, c.said);
        if (c.said) {
            EXPECT_TRUE(p.noDeviceLabel()->isVisible());
            EXPECT_EQ(p.noDeviceLabel()->text(), "No sound device: the athan cannot be heard.");
        }
        EXPECT_EQ(f.sound.requests.size(), std::string(c.presses).size());
    }
}

TEST_F(AthanSettingsPageTest, PlayTakesTheFieldNotTheUnsavedEdit) {
    CAthanSettingsPage& p = Open();
    p.athanEdit()->setText("C:\\new\\typed.wav");
    p.athanPlayButton()->click();
    EXPECT_THAT(f.sound.requests, ElementsAre(PlayAthan));
    p.athanPlayButton()->click();

    // Once the page has saved its controls (the tab was left), the typed path plays.
    ASSERT_TRUE(p.OnKillActive());
    p.athanPlayButton()->click();
    EXPECT_THAT(f.sound.requests, ElementsAre(PlayAthan, "stop", "play:C:/new/typed.wav"));
}

TEST_F(AthanSettingsPageTest, PlayAfterBrowsePlaysTheChosenFile) {
    CAthanSettingsPage& p = Open();
    f.files.answers.push_back(f.athanFolder() + "Dawn.wav");
    p.fajrAthanBrowseButton()->click();
    p.fajrAthanPlayButton()->click();
    EXPECT_THAT(f.sound.requests, ElementsAre("play:" + f.athanFolder() + "Dawn.wav"));
}

// A file that is missing, or no file at all, still goes to the player, which sounds its
// default; the page reports nothing.
TEST_F(AthanSettingsPageTest, MissingOrEmptyPathsPlayWithoutAMessage) {
    f.config.athanWavPath = ".\\Athan\\missing.wav";
    f.config.fajrAthanWavPath.clear();
    CAthanSettingsPage& p = Open();
    p.athanPlayButton()->click();
    p.athanPlayButton()->click();
    p.fajrAthanPlayButton()->click();
    EXPECT_THAT(f.sound.requests, ElementsAre("play:./Athan/missing.wav", "stop", "play:"));
    EXPECT_THAT(f.boxes.entries, IsEmpty());
}

TEST_F(AthanSettingsPageTest, OkStoresBothPathsAndSavesButNotTheSwitches) {
    f.config.showAthanAlert = 1;
    f.config.muteAllSounds = 0;
    CAthanSettingsPage& p = Open({1, 1, 0});
    p.athanEdit()->setText("/srv/athan/general.wav");
    p.fajrAthanEdit()->setText(".\\Athan\\dawn.wav");
    p.showAlertCheck()->click();
    p.muteCheck()->click();
    p.OnOK();

    EXPECT_EQ(f.config.athanWavPath, "/srv/athan/general.wav");
    EXPECT_EQ(f.config.fajrAthanWavPath, ".\\Athan\\dawn.wav");
    EXPECT_EQ(f.config.showAthanAlert, 1);  // the switches are the caller's to store
    EXPECT_EQ(f.config.muteAllSounds, 0);
    EXPECT_EQ(p.switches(), (AthanSwitches{0, 1, 1}));
    EXPECT_FALSE(f.settings.configSaved());  // the sheet saves, once, after the switches
}

// Every control can be named by assistive tools and reached with Tab, down the page.
TEST_F(AthanSettingsPageTest, EveryControlHasANameAndTabGoesDownThePage) {
    CAthanSettingsPage& p = Open();
    for (const QWidget* w : p.findChildren<QWidget*>()) {
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    }
    const std::vector<QWidget*> expected = {
        p.athanEdit(),         p.athanPlayButton(),     p.athanBrowseButton(),
        p.fajrAthanEdit(),     p.fajrAthanPlayButton(), p.fajrAthanBrowseButton(),
        p.showAlertCheck(),    p.barOnTopCheck(),       p.muteCheck(),
        p.startAtLoginCheck(), p.notifyAtPrayerCheck(), p.warnBeforeCheck()};
    std::vector<QWidget*> chain = {expected.front()};
    QWidget* w = expected.front();
    for (std::size_t i = 1; i < expected.size(); ++i) {
        do {
            w = w->nextInFocusChain();
        } while (w->focusPolicy() == Qt::NoFocus || !p.isAncestorOf(w));
        chain.push_back(w);
    }
    EXPECT_EQ(chain, expected);
    EXPECT_EQ(p.athanPlayButton()->focusPolicy(), Qt::StrongFocus);
}

TEST_F(AthanSettingsPageTest, SpaceOnAFocusedPlayButtonPlays) {
    CAthanSettingsPage& p = Open();
    p.fajrAthanPlayButton()->setFocus();
    QTest::keyClick(p.fajrAthanPlayButton(), Qt::Key_Space);
    EXPECT_THAT(f.sound.requests, ElementsAre(PlayFajr));
}

struct TwoLinesCase {
    const char* text;
    const char* shown;
};
void PrintTo(const TwoLinesCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class OnTwoLinesTest : public ::testing::TestWithParam<TwoLinesCase> {};

TEST_P(OnTwoLinesTest, BreaksAtTheBlankNearestTheMiddle) {
    EXPECT_EQ(OnTwoLines(GetParam().text).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OnTwoLinesTest,
    ::testing::Values(
        TwoLinesCase{"Display Athan Dialog and Play Athan Sound When Prayer Time Comes",
                     "Display Athan Dialog and Play\nAthan Sound When Prayer Time Comes"},
        TwoLinesCase{"ab cd", "ab\ncd"}, TwoLinesCase{"a bcdef", "a\nbcdef"},
        TwoLinesCase{"abc", "abc"}, TwoLinesCase{"", ""}));

// The play button's two faces: a raised and a sunken bevel, the triangle moving with the face.
TEST(PlayButtonFace, RaisedAndSunkenWithTheTriangleMoving) {
    const QImage up = CPlayButton::Face(false);
    const QImage down = CPlayButton::Face(true);
    ASSERT_EQ(up.size(), QSize(CPlayButton::FaceWidth, CPlayButton::FaceHeight));
    ASSERT_EQ(down.size(), up.size());
    const int w = up.width();
    const int h = up.height();
    EXPECT_EQ(up.pixelColor(0, 0), QColor(255, 255, 255));
    EXPECT_EQ(up.pixelColor(w - 1, h - 1), QColor(0, 0, 0));
    EXPECT_EQ(down.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(down.pixelColor(w - 1, h - 1), QColor(255, 255, 255));
    const QColor face(192, 192, 192);
    // The triangle's tip column: filled at its point up, and one pixel further right pressed.
    EXPECT_NE(up.pixelColor(9, 10), face);
    EXPECT_EQ(up.pixelColor(16, 10), face);
    EXPECT_EQ(down.pixelColor(8, 5), face);
    EXPECT_NE(down.pixelColor(10, 11), face);
    EXPECT_NE(up, down);
}

}  // namespace
}  // namespace salvenor

namespace salvenor {
namespace {

// The notifications group: what it shows for the choices and the athan window's switch, and what
// it gives back; a notice box left as shown keeps an unset choice unset.
TEST(AthanSettingsPageNotifications, ShowsTheChoicesAndGivesBackOnlyWhatWasChanged) {
    struct Case {
        const char* what;
        NotificationChoices given;
        bool athanWindow;
        bool shownNotice, shownWarn;
        int shownMinutes;
        bool clickNotice, clickWarn;
        NotificationChoices read;
    };
    const Case cases[] = {
        {"defaults, window on",
         {std::nullopt, 0},
         true,
         false,
         false,
         5,
         false,
         false,
         {std::nullopt, 0}},
        {"defaults, window off",
         {std::nullopt, 0},
         false,
         true,
         false,
         5,
         false,
         false,
         {std::nullopt, 0}},
        {"notice turned on", {std::nullopt, 0}, true, false, false, 5, true, false, {true, 0}},
        {"notice turned off", {std::nullopt, 0}, false, true, false, 5, true, false, {false, 0}},
        {"warning turned on", {false, 0}, true, false, false, 5, false, true, {false, 5}},
        {"warning kept", {true, 25}, true, true, true, 25, false, false, {true, 25}},
        {"warning turned off", {true, 25}, true, true, true, 25, false, true, {true, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::OptionsFolder f;
        CAthanSettingsPage page(f.config, f.sound, f.path(), f.files.chooser());
        page.setSwitches({c.athanWindow ? 1 : 0, 1, 0});
        page.setNotifications(c.given);
        page.show();
        page.EnsureCreated();
        EXPECT_EQ(page.notificationsGroup()->title(), "Desktop notifications");
        EXPECT_EQ(page.notifyAtPrayerCheck()->isChecked(), c.shownNotice);
        EXPECT_EQ(page.warnBeforeCheck()->isChecked(), c.shownWarn);
        EXPECT_EQ(page.warnMinutesSpin()->value(), c.shownMinutes);
        EXPECT_EQ(page.warnMinutesSpin()->isEnabled(), c.shownWarn);
        EXPECT_EQ(page.warnMinutesSpin()->minimum(), 5);
        EXPECT_EQ(page.warnMinutesSpin()->maximum(), 60);
        if (c.clickNotice) {
            page.notifyAtPrayerCheck()->click();
        }
        if (c.clickWarn) {
            page.warnBeforeCheck()->click();
        }
        EXPECT_TRUE(page.OnKillActive());
        EXPECT_EQ(page.notifications(), c.read);
    }
}

}  // namespace
}  // namespace salvenor

// The athan window: its texts, its sound, the minutes edit, the reminder it arms, its field
// exchange messages and its closing by the bar.
#include "bar/athan_dlg.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <cmath>
#include <string>

#include "core/prayer_times.h"
#include "tests/bar/qt/athan_test_support.h"

namespace salvenor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The time text of a prayer written out by hand: a 12-hour hour, two-digit minutes cut (never
// rounded), "pm" from 13:00 and at 12 for Thuhr and later.
std::string ClockText(int index, DecimalHours t) {
    const int h = static_cast<int>(std::floor(t));
    const int m = static_cast<int>(std::floor((t - h) * 60));
    const bool pm = h > 12 || (h == 12 && index >= Thuhr);
    return std::to_string(h > 12 ? h - 12 : h) + ":" + (m < 10 ? "0" : "") + std::to_string(m) +
           (pm ? " pm" : " am");
}

// Moves the place east or west until `index` falls well inside the minute `hour`:`minute`,
// so that the window's texts are known in advance.
void PutPrayerAt(CConfigFile& config, int index, int hour, int minute) {
    const double wanted = hour + minute / 60.0 + 0.5 / 60.0;
    for (int step = 0; step < 4000; ++step) {
        const double t = ComputePrayerTime(index, MidMarchNoon, config.prayerSettings());
        if (std::fabs(t - wanted) < 0.2 / 60.0) {
            return;
        }
        // Four minutes of time a degree, the later the further west.
        config.longitude += (t - wanted) * 15.0 * 0.5;
    }
    FAIL() << "no place found for the prayer at the wanted minute";
}

QString LabelText(const QWidget& window, const char* name) {
    const QLabel* label = Find<QLabel>(window, name);
    return label != nullptr ? label->text() : QString();
}

struct HeadlineCase {
    int index;
    int hour;
    int minute;
    const char* headline;
    int next;
};

TEST_F(AlertWindowTest, HeadlineNamesThePrayerAndNextPrayerFollows) {
    const HeadlineCase cases[] = {
        {Asr, 15, 30, "Its 3:30 pm -- Time for \" Asr \" Prayer ", Maghrib},
        {Isha, 19, 45, "Its 7:45 pm -- Time for \" Isha \" Prayer ", Fajr},
        {Fajr, 4, 5, "Its 4:05 am -- Time for \" Fajr \" Prayer ", Shrook},
        {Thuhr, 12, 0, "Its 12:00 pm -- Time for \" Thuhr \" Prayer ", Asr},
        {Maghrib, 18, 9, "Its 6:09 pm -- Time for \" Maghrib \" Prayer ", Isha},
    };
    for (const auto& c : cases) {
        PutPrayerAt(config, c.index, c.hour, c.minute);
        const CAthanDlg dlg(c.index, context);
        EXPECT_EQ(LabelText(dlg, "headline").toStdString(), c.headline);
        // The next prayer is of the same day, Isha's next being this morning's Fajr.
        const DecimalHours nextTime =
            ComputePrayerTime(c.next, MidMarchNoon, config.prayerSettings());
        EXPECT_EQ(LabelText(dlg, "nextPrayer").toStdString(),
                  std::string(PrayerNames[c.next]) + " at " + ClockText(c.next, nextTime))
            << c.headline;
    }
}

TEST_F(AlertWindowTest, ShowsTheCaptionLabelsAndButtons) {
    const CAthanDlg dlg(Asr, context);
    EXPECT_EQ(dlg.windowTitle(), "Athan Time - ZAV");
    QStringList labels;
    for (const QLabel* label : dlg.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains("Next Sala Tme:"));
    EXPECT_TRUE(labels.contains("minutes"));
    EXPECT_EQ(Find<QAbstractButton>(dlg, "remindAgain")->text(), "Remind again me in:");
    EXPECT_EQ(Find<QAbstractButton>(dlg, "closeWindow")->text(), "Close Window");
    const auto* stop = Find<QPushButton>(dlg, "stopAthan");
    EXPECT_EQ(stop->text(), "Stop Athan !");
    EXPECT_TRUE(stop->isDefault());
    // No close box: only the buttons and Escape end it.
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_GE(dlg.width(), 370);
    EXPECT_GE(dlg.height(), 403);
}

TEST_F(AlertWindowTest, PicturesAreBuiltInAtTheirSizes) {
    EXPECT_EQ(QPixmap(":/alerts/mosque_sunset.png").size(), QSize(321, 246));
    EXPECT_EQ(QPixmap(":/alerts/reminder_sunset.png").size(), QSize(115, 115));
    EXPECT_EQ(QPixmap(":/alerts/reminder_verses.png").size(), QSize(185, 57));
}

struct SoundCase {
    int index;
    const char* athanPath;
    const char* fajrPath;
    bool muted;
    std::vector<std::string> requests;
};

TEST_F(AlertWindowTest, PlaysTheCallForThePrayerWhenOpened) {
    const SoundCase cases[] = {
        {Fajr, DefaultAthanWavPath, DefaultFajrAthanWavPath, false, {"play:./Athan/athanFajr.wav"}},
        {Thuhr, DefaultAthanWavPath, DefaultFajrAthanWavPath, false, {"play:./Athan/Athan-1.wav"}},
        {Asr, ".\\Calls\\mine.wav", DefaultFajrAthanWavPath, false, {"play:./Calls/mine.wav"}},
        {Isha, DefaultAthanWavPath, "", false, {"play:./Athan/Athan-1.wav"}},
        // An empty path falls back to the file in the installation folder.
        {Maghrib, "", DefaultFajrAthanWavPath, false, {"play:Athan-1.wav"}},
        {Fajr, DefaultAthanWavPath, "", false, {"play:Athan-1.wav"}},
        {Fajr, DefaultAthanWavPath, DefaultFajrAthanWavPath, true, {}},
        {Asr, DefaultAthanWavPath, DefaultFajrAthanWavPath, true, {}},
    };
    for (const auto& c : cases) {
        config.athanWavPath = c.athanPath;
        config.fajrAthanWavPath = c.fajrPath;
        config.muteAllSounds = c.muted ? 1 : 0;
        sound.requests.clear();
        CAthanDlg dlg(c.index, context);
        EXPECT_THAT(sound.requests, IsEmpty()) << "nothing sounds before the window opens";
        dlg.show();
        dlg.hide();
        dlg.show();  // a second showing starts nothing more
        EXPECT_EQ(sound.requests, c.requests) << PrayerNames[c.index] << " " << c.athanPath;
        dlg.reject();
    }
}

TEST_F(AlertWindowTest, BoxEnablesTheMinutesEdit) {
    CAthanDlg dlg(Asr, context);
    dlg.show();
    const auto* box = Find<QCheckBox>(dlg, "remindAgain");
    const auto* edit = Find<QLineEdit>(dlg, "remindMinutes");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->text(), "5");
    Click(dlg, "remindAgain");
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(edit->text(), "5");
    Click(dlg, "remindAgain");
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_THAT(boxes.entries, IsEmpty());
    EXPECT_THAT(armed, IsEmpty());
}

TEST_F(AlertWindowTest, MinutesEditTakesDigitsOnly) {
    CAthanDlg dlg(Asr, context);
    dlg.show();
    Click(dlg, "remindAgain");
    TypeMinutes(dlg, "-1a2 ");
    EXPECT_EQ(Find<QLineEdit>(dlg, "remindMinutes")->text(), "12");
}

struct CloseCase {
    const char* name;
    bool muted;
    bool check;
    QString minutes;  // typed when not empty
    const char* button;
    std::vector<std::string> requests;
    std::vector<int> armed;
};

TEST_F(AlertWindowTest, ButtonsArmTheReminderAndStopOrKeepTheSound) {
    const std::string call = "play:./Athan/Athan-1.wav";
    const CloseCase cases[] = {
        {"stop, unchecked", false, false, "", "stopAthan", {call, "stop"}, {}},
        {"stop, checked", false, true, "", "stopAthan", {call, "stop"}, {5}},
        {"stop, checked, 12", false, true, "12", "stopAthan", {call, "stop"}, {12}},
        {"stop, checked, 0", false, true, "0", "stopAthan", {call, "stop"}, {0}},
        {"stop, checked, 300", false, true, "300", "stopAthan", {call, "stop"}, {300}},
        {"stop, muted", true, true, "", "stopAthan", {}, {5}},
        {"close, unchecked", false, false, "", "closeWindow", {call}, {}},
        {"close, checked", false, true, "", "closeWindow", {call}, {5}},
        {"close, muted", true, true, "7", "closeWindow", {}, {7}},
    };
    for (const auto& c : cases) {
        config.muteAllSounds = c.muted ? 1 : 0;
        sound.requests.clear();
        armed.clear();
        CAthanDlg dlg(Thuhr, context);
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.show();
        if (c.check) {
            Click(dlg, "remindAgain");
        }
        if (!c.minutes.isEmpty()) {
            TypeMinutes(dlg, c.minutes);
        }
        Click(dlg, c.button);
        EXPECT_EQ(sound.requests, c.requests) << c.name;
        EXPECT_EQ(armed, c.armed) << c.name;
        EXPECT_FALSE(dlg.isVisible()) << c.name;
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.name;
        EXPECT_EQ(finished.count(), 1) << c.name;
        EXPECT_THAT(boxes.entries, IsEmpty()) << c.name;
    }
}

TEST_F(AlertWindowTest, EnterStopsTheAthanAndEscapeLeavesItPlaying) {
    {
        CAthanDlg dlg(Maghrib, context);
        dlg.show();
        Click(dlg, "remindAgain");
        QTest::keyClick(&dlg, Qt::Key_Return);
        EXPECT_THAT(sound.requests, ElementsAre("play:./Athan/Athan-1.wav", "stop"));
        EXPECT_THAT(armed, ElementsAre(5));
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    sound.requests.clear();
    armed.clear();
    {
        CAthanDlg dlg(Maghrib, context);
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.show();
        Click(dlg, "remindAgain");
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_THAT(sound.requests, ElementsAre("play:./Athan/Athan-1.wav"));
        EXPECT_THAT(armed, IsEmpty());
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        // Closed by Escape, the bar's later close finds nothing to do.
        dlg.CloseAsCloseWindow();
        EXPECT_THAT(armed, IsEmpty());
        EXPECT_EQ(finished.count(), 1);
    }
}

struct FailureCase {
    QString typed;
    const char* message;
    int armedWith;
};

TEST_F(AlertWindowTest, UnreadableMinutesAreReportedTwiceAndKeepTheWindowOpen) {
    const FailureCase cases[] = {
        {"", "Please enter an integer.", 5},                         // the minutes held before
        {"301", "Please enter an integer between 0 and 300.", 301},  // the number typed
    };
    for (const char* button : {"stopAthan", "closeWindow"}) {
        for (const auto& c : cases) {
            boxes.entries.clear();
            armed.clear();
            CAthanDlg dlg(Asr, context);
            dlg.show();
            Click(dlg, "remindAgain");
            TypeMinutes(dlg, c.typed);
            Click(dlg, button);
            // Once for the reading before arming, once for the closing reading.
            ASSERT_EQ(boxes.entries.size(), 2U) << button;
            for (const auto& entry : boxes.entries) {
                EXPECT_EQ(entry.text, c.message);
                EXPECT_EQ(entry.icon, MessageIcon::Exclamation);
            }
            EXPECT_THAT(armed, ElementsAre(c.armedWith)) << button;
            EXPECT_TRUE(dlg.isVisible()) << button;
            EXPECT_EQ(dlg.focusWidget(), Find<QLineEdit>(dlg, "remindMinutes"));

            // Put right, the same button arms again and closes.
            TypeMinutes(dlg, "9");
            Click(dlg, button);
            EXPECT_THAT(armed, ElementsAre(c.armedWith, 9)) << button;
            EXPECT_FALSE(dlg.isVisible()) << button;
            EXPECT_EQ(boxes.entries.size(), 2U);
        }
    }
}

TEST_F(AlertWindowTest, BarClosesAnOpenWindowLikeCloseWindowWithoutMessages) {
    struct Case {
        bool check;
        QString typed;
        std::vector<int> armed;
    };
    const Case cases[] = {
        {false, "", {}},
        {true, "5", {5}},
        {true, "45", {45}},
        // Nobody is at the window to answer a message: it closes and arms with what it holds.
        {true, "", {5}},
        {true, "301", {301}},
    };
    for (const auto& c : cases) {
        armed.clear();
        sound.requests.clear();
        CAthanDlg dlg(Isha, context);
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.show();
        if (c.check) {
            Click(dlg, "remindAgain");
            TypeMinutes(dlg, c.typed);
        }
        dlg.CloseAsCloseWindow();
        EXPECT_EQ(armed, c.armed);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(finished.count(), 1);
        EXPECT_THAT(boxes.entries, IsEmpty());
        EXPECT_THAT(sound.requests, ElementsAre("play:./Athan/Athan-1.wav"));
        // A second close, or a late click, changes nothing.
        dlg.CloseAsCloseWindow();
        Find<QPushButton>(dlg, "stopAthan")->click();
        EXPECT_EQ(armed, c.armed);
        EXPECT_EQ(finished.count(), 1);
    }
}

TEST_F(AlertWindowTest, OpensCentredOnTheMouseCursor) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QCursor::setPos(area.center() + QPoint(40, -30));
    const QPoint cursor = QCursor::pos();
    if (cursor != area.center() + QPoint(40, -30)) {
        GTEST_SKIP() << "this platform cannot place the mouse cursor";
    }
    CAthanDlg dlg(Asr, context);
    dlg.show();
    EXPECT_LE((dlg.frameGeometry().center() - cursor).manhattanLength(), 2);
}

}  // namespace
}  // namespace salvenor::testing

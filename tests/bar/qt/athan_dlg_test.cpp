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

QString LabelText(const QWidget& window, const char* name) {
    const QLabel* label = Find<QLabel>(window, name);
    return label != nullptr ? label->text() : QString();
}

// The window says what the schedule hands it: the prayer and its clock time, and the prayer after
// it, which after Isha is the next day's Fajr and beyond the polar circles may fall after
// midnight.
TEST_F(AlertWindowTest, HeadlineAndNextPrayerAreTheRequestsTimes) {
    struct Case {
        AthanRequest request;
        const char* headline;
        const char* next;
    };
    const Case cases[] = {
        {Request(Asr, 15.5 + 0.2 / 60, Maghrib, 18.155),
         "Its 3:30 pm -- Time for \" Asr \" Prayer ", "Maghrib at 6:09 pm"},
        {Request(Isha, 19.75, Fajr, 4.105), "Its 7:45 pm -- Time for \" Isha \" Prayer ",
         "Fajr at 4:06 am"},
        {Request(Fajr, 4.0834, Shrook, 5.5), "Its 4:05 am -- Time for \" Fajr \" Prayer ",
         "Shrook at 5:30 am"},
        {Request(Thuhr, 12.001, Asr, 15.0), "Its 12:00 pm -- Time for \" Thuhr \" Prayer ",
         "Asr at 3:00 pm"},
        // Maghrib and Isha of 14 June at 66.5 N, 25.7 E: past midnight, on the next day's clock.
        {Request(Maghrib, 25.2140, Isha, 25.2353), "Its 1:12 am -- Time for \" Maghrib \" Prayer ",
         "Isha at 1:14 am"},
        {Request(Isha, 25.2353, Fajr, 1.3319), "Its 1:14 am -- Time for \" Isha \" Prayer ",
         "Fajr at 1:19 am"},
    };
    for (const auto& c : cases) {
        const CAthanDlg dlg(c.request, context);
        EXPECT_EQ(LabelText(dlg, "headline").toStdString(), c.headline);
        EXPECT_EQ(LabelText(dlg, "nextPrayer").toStdString(), c.next) << c.headline;
        // What a screen reader says when the window opens.
        EXPECT_EQ(dlg.accessibleName().toStdString(), c.headline);
    }
}

TEST_F(AlertWindowTest, ShowsTheCaptionLabelsAndButtons) {
    const CAthanDlg dlg(Request(Asr, 15.5), context);
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

// The window plays what it is handed, once, when it opens; which file that is (and whether it
// sounds) the schedule decides.
TEST_F(AlertWindowTest, PlaysTheRequestedCallWhenOpened) {
    struct Case {
        AthanRequest request;
        std::vector<std::string> requests;
    };
    const Case cases[] = {
        {Request(Fajr, 4.1, Shrook, 5.5, FirstRunFajrAthanWavPath), {"play:./Athan/athanFajr.wav"}},
        {Request(Asr, 15.5, Maghrib, 18, ".\\Calls\\mine.wav"), {"play:./Calls/mine.wav"}},
        {Request(Maghrib, 18, Isha, 19.5, "Athan-1.wav"), {"play:Athan-1.wav"}},
        {Request(Asr, 15.5, Maghrib, 18, FirstRunAthanWavPath, false), {}},
    };
    for (const auto& c : cases) {
        sound.requests.clear();
        CAthanDlg dlg(c.request, context);
        RecordReminders(dlg);
        EXPECT_THAT(sound.requests, IsEmpty()) << "nothing sounds before the window opens";
        dlg.show();
        dlg.hide();
        dlg.show();  // a second showing starts nothing more
        EXPECT_EQ(sound.requests, c.requests) << c.request.soundPath;
        dlg.reject();
    }
}

// Without a sound device the first athan window that would sound says so, in one line, and no
// later window of the run repeats it; the sound is still requested as always.
TEST_F(AlertWindowTest, NoSoundDeviceIsSaidOnceARun) {
    struct Case {
        const char* name;
        bool device;
        std::vector<bool> plays;  // one window each
        std::vector<bool> says;
    };
    const Case cases[] = {
        {"no device", false, {true, true}, {true, false}},
        {"no device, muted first", false, {false, true, true}, {false, true, false}},
        {"a device", true, {true, true}, {false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sound.outputDevice = c.device;
        context.noDeviceNoticeShown = false;  // a new run
        for (std::size_t i = 0; i < c.plays.size(); ++i) {
            sound.requests.clear();
            CAthanDlg dlg(Request(Asr, 15.5, Maghrib, 18, FirstRunAthanWavPath, c.plays[i]),
                          context);
            dlg.show();
            const auto* line = dlg.findChild<QLabel*>(QStringLiteral("noSoundDevice"));
            EXPECT_EQ(line != nullptr, c.says[i]) << "window " << i;
            if (line != nullptr) {
                EXPECT_EQ(line->text(), "No sound device: the athan cannot be heard.");
                EXPECT_TRUE(line->isVisible());
            }
            EXPECT_EQ(sound.requests.size(), c.plays[i] ? 1u : 0u);
            dlg.reject();
        }
    }
}

TEST_F(AlertWindowTest, BoxEnablesTheMinutesEdit) {
    CAthanDlg dlg(Request(Asr, 15.5), context);
    RecordReminders(dlg);
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
    CAthanDlg dlg(Request(Asr, 15.5), context);
    RecordReminders(dlg);
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
        sound.requests.clear();
        armed.clear();
        CAthanDlg dlg(Request(Thuhr, 12.5, Asr, 15, FirstRunAthanWavPath, !c.muted), context);
        RecordReminders(dlg);
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
        CAthanDlg dlg(Request(Maghrib, 18.2), context);
        RecordReminders(dlg);
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
        CAthanDlg dlg(Request(Maghrib, 18.2), context);
        RecordReminders(dlg);
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

// A value the reading refuses is reported once and arms nothing; the window stays open on the
// edit until the value is put right.
TEST_F(AlertWindowTest, RefusedMinutesAreReportedOnceAndArmNothing) {
    const std::pair<QString, const char*> cases[] = {
        {"", "Please enter an integer."},
        {"301", "Please enter an integer between 0 and 300."},
        {"999", "Please enter an integer between 0 and 300."},
    };
    for (const char* button : {"stopAthan", "closeWindow"}) {
        for (const auto& [typed, message] : cases) {
            SCOPED_TRACE(std::string(button) + " '" + typed.toStdString() + "'");
            boxes.entries.clear();
            armed.clear();
            CAthanDlg dlg(Request(Asr, 15.5), context);
            RecordReminders(dlg);
            dlg.show();
            Click(dlg, "remindAgain");
            TypeMinutes(dlg, typed);
            Click(dlg, button);
            ASSERT_EQ(boxes.entries.size(), 1U);
            EXPECT_EQ(boxes.entries[0].text, message);
            EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
            EXPECT_THAT(armed, IsEmpty());
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_EQ(dlg.focusWidget(), Find<QLineEdit>(dlg, "remindMinutes"));

            // Put right, the same button arms and closes.
            TypeMinutes(dlg, "9");
            Click(dlg, button);
            EXPECT_THAT(armed, ElementsAre(9));
            EXPECT_FALSE(dlg.isVisible());
            EXPECT_EQ(boxes.entries.size(), 1U);
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
        // Nobody is at the window to answer a message: it closes, and a value that would have
        // been refused arms nothing.
        {true, "", {}},
        {true, "301", {}},
    };
    for (const auto& c : cases) {
        armed.clear();
        sound.requests.clear();
        CAthanDlg dlg(Request(Isha, 19.5, Fajr, 4.5), context);
        RecordReminders(dlg);
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
    CAthanDlg dlg(Request(Asr, 15.5), context);
    RecordReminders(dlg);
    dlg.show();
    EXPECT_LE((dlg.frameGeometry().center() - cursor).manhattanLength(), 2);
}

}  // namespace
}  // namespace salvenor::testing

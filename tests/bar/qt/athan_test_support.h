// What the athan and reminder window tests share: a fixed zone and day, the recording seams, the
// reminders a window asks for, recorded, and ways to find and drive the windows' controls.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "bar/athan_dlg.h"
#include "config/config_file.h"
#include "platform/clock.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"

namespace salvenor::testing {

using ScopedTz = testing::ScopedTimeZone;

// 2024-03-15 12:00 UTC.
inline constexpr ClockTime MidMarchNoon = 1710504000;

class AlertWindowTest : public ::testing::Test {
  protected:
    AlertWindowTest() {
        config.latitude = 30.0;
        config.longitude = 31.25;
        config.calculationWay = 0;
        config.gmtOffsetHours = 0;
        config.athanWavPath = FirstRunAthanWavPath;
        config.fajrAthanWavPath = FirstRunFajrAthanWavPath;
    }

    // The reminder minutes each arming was asked for, in order.
    std::vector<int> armed;

    ScopedTz zone{"UTC"};
    RecordingMessageBoxes boxes;
    RecordingSoundPlayer sound;
    FakeClock clock{MidMarchNoon};
    CConfigFile config{boxes};
    AlertContext context{config, sound, boxes, clock};

    // Records in `armed` each reminder the window asks the bar for.
    void RecordReminders(CAlertDlg& window) {
        QObject::connect(&window, &CAlertDlg::reminderRequested,
                         [this](int minutes) { armed.push_back(minutes); });
    }
};

// The request the schedule hands the window for a prayer at a decimal hour, with the prayer after
// it, the stored sound and whether it sounds.
inline AthanRequest Request(int index, DecimalHours time, int next = Asr,
                            DecimalHours nextTime = 15, const char* sound = FirstRunAthanWavPath,
                            bool play = true) {
    AthanRequest r;
    r.prayerIndex = index;
    r.prayerTime = time;
    r.nextIndex = next;
    r.nextTime = nextTime;
    r.soundPath = sound;
    r.playSound = play;
    return r;
}

template <typename T>
T* Find(const QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline void Click(const QWidget& window, const char* name) {
    QTest::mouseClick(Find<QAbstractButton>(window, name), Qt::LeftButton);
}

// Replaces the minutes typed in the edit, key by key.
inline void TypeMinutes(const QWidget& window, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(window, "remindMinutes");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

}  // namespace salvenor::testing

// The reminder window: on top, its chime whatever the mute setting, and the reminder chain.
#include "bar/reminder_dlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>

#include "tests/bar/qt/athan_test_support.h"

namespace salvenor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(AlertWindowTest, ReminderOpensOnTopWithTheBoxCheckedAndFiveMinutes) {
    CReminderDlg dlg(context);
    RecordReminders(dlg);
    EXPECT_EQ(dlg.windowTitle(), "Sala Time Reminder");
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(Find<QCheckBox>(dlg, "remindAgain")->isChecked());
    EXPECT_EQ(Find<QCheckBox>(dlg, "remindAgain")->text(), "Remind again me in:");
    EXPECT_TRUE(Find<QLineEdit>(dlg, "remindMinutes")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>(dlg, "remindMinutes")->text(), "5");
    EXPECT_EQ(Find<QPushButton>(dlg, "later")->text(), "Later (!!)");
    const auto* prayed = Find<QPushButton>(dlg, "alreadyPrayed");
    EXPECT_EQ(prayed->text(), "I have already Prayed");
    EXPECT_TRUE(prayed->isDefault());
    EXPECT_GE(dlg.width(), 254);
    EXPECT_GE(dlg.height(), 283);

    dlg.show();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((dlg.frameGeometry().center() - area.center()).manhattanLength(), 2);
}

TEST_F(AlertWindowTest, ReminderChimesEvenWhenMuted) {
    for (const bool muted : {false, true}) {
        config.muteAllSounds = muted ? 1 : 0;
        sound.requests.clear();
        CReminderDlg dlg(context);
        RecordReminders(dlg);
        EXPECT_THAT(sound.requests, IsEmpty());
        dlg.show();
        dlg.hide();
        dlg.show();
        EXPECT_THAT(sound.requests, ElementsAre("play:AlSalah.wav")) << muted;
        dlg.reject();
    }
}

struct ChainCase {
    const char* name;
    bool uncheck;
    QString typed;       // typed when not empty
    const char* button;  // nullptr: Enter; "escape": Escape
    std::vector<int> armed;
    QDialog::DialogCode result;
};

TEST_F(AlertWindowTest, LaterArmsAgainAndPrayedEndsTheChain) {
    const ChainCase cases[] = {
        {"later", false, "", "later", {5}, QDialog::Accepted},
        {"later, 20", false, "20", "later", {20}, QDialog::Accepted},
        {"later, 0", false, "0", "later", {0}, QDialog::Accepted},
        {"later, box cleared", true, "", "later", {}, QDialog::Accepted},
        {"prayed", false, "", "alreadyPrayed", {}, QDialog::Accepted},
        {"enter", false, "", nullptr, {}, QDialog::Accepted},
        {"escape", false, "", "escape", {}, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        armed.clear();
        CReminderDlg dlg(context);
        RecordReminders(dlg);
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.show();
        if (!c.typed.isEmpty()) {
            TypeMinutes(dlg, c.typed);
        }
        if (c.uncheck) {
            Click(dlg, "remindAgain");
            EXPECT_FALSE(Find<QLineEdit>(dlg, "remindMinutes")->isEnabled());
        }
        if (c.button == nullptr) {
            QTest::keyClick(&dlg, Qt::Key_Return);
        } else if (std::string(c.button) == "escape") {
            QTest::keyClick(&dlg, Qt::Key_Escape);
        } else {
            Click(dlg, c.button);
        }
        EXPECT_EQ(armed, c.armed) << c.name;
        EXPECT_FALSE(dlg.isVisible()) << c.name;
        EXPECT_EQ(dlg.result(), c.result) << c.name;
        EXPECT_EQ(finished.count(), 1) << c.name;
        EXPECT_THAT(boxes.entries, IsEmpty()) << c.name;
    }
}

TEST_F(AlertWindowTest, ReminderReportsUnreadableMinutesAndStaysOpen) {
    struct Case {
        QString typed;
        const char* message;
        const char* button;
        std::size_t messages;
        std::vector<int> armed;
    };
    const Case cases[] = {
        // A refused value arms nothing, and its message comes once.
        {"", "Please enter an integer.", "later", 1, {}},
        {"301", "Please enter an integer between 0 and 300.", "later", 1, {}},
        // Closing without a reminder still reads the controls once.
        {"", "Please enter an integer.", "alreadyPrayed", 1, {}},
        {"999", "Please enter an integer between 0 and 300.", "alreadyPrayed", 1, {}},
    };
    for (const auto& c : cases) {
        boxes.entries.clear();
        armed.clear();
        CReminderDlg dlg(context);
        RecordReminders(dlg);
        dlg.show();
        TypeMinutes(dlg, c.typed);
        Click(dlg, c.button);
        ASSERT_EQ(boxes.entries.size(), c.messages) << c.button << " " << c.message;
        for (const auto& entry : boxes.entries) {
            EXPECT_EQ(entry.text, c.message);
            EXPECT_EQ(entry.icon, MessageIcon::Exclamation);
        }
        EXPECT_EQ(armed, c.armed);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.focusWidget(), Find<QLineEdit>(dlg, "remindMinutes"));
        // Escape always ends it, without a reminder.
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(armed, c.armed);
    }
}

}  // namespace
}  // namespace salvenor::testing

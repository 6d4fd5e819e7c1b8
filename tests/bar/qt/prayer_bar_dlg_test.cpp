// The prayer bar window on the offscreen platform: its pictures and line pixel by pixel, its
// place, title and hooks, and the athan and reminder windows its timers open.
#include "bar/prayer_bar_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "bar/reminder_dlg.h"
#include "core/local_time.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

using ScopedTz = testing::ScopedTimeZone;

// The documented colours of the bar image, by zone: {band, stripe}.
struct ZoneColours {
    QRgb band;
    QRgb stripe;
};
ZoneColours ColoursAt(int column) {
    if (column <= 33) {
        return {qRgb(0, 128, 0), qRgb(0, 255, 0)};
    }
    if (column <= 115) {
        return {qRgb(128, 128, 128), qRgb(192, 192, 192)};
    }
    return {qRgb(128, 0, 0), qRgb(255, 0, 0)};
}

const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

TEST(BarImage, RowsZonesAndColours) {
    const QImage image = CPrayerBarDlg::BarImage();
    ASSERT_EQ(image.size(), QSize(146, 22));
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 146; ++x) {
            SCOPED_TRACE(::testing::Message() << "x " << x << " y " << y);
            const QRgb pixel = image.pixel(x, y) | 0xFF000000u;
            if (y == 0 || y == 8 || y == 13 || y == 21 || x == 0 || x == 145) {
                ASSERT_EQ(pixel, Black);
            } else if (y >= 9 && y <= 12) {
                ASSERT_EQ(pixel, ColoursAt(x).stripe);
            } else if (x >= 3 && x <= 142) {
                ASSERT_EQ(pixel, ColoursAt(x).band);
            } else {
                // The band ends: rounded by black corners, otherwise the band colour.
                ASSERT_TRUE(pixel == Black || pixel == ColoursAt(x).band);
            }
        }
    }
    // The ends of the bands are cut round: the outermost rows lose more than the middle ones.
    for (const int top : {1, 14}) {
        EXPECT_EQ(image.pixel(1, top) | 0xFF000000u, Black);
        EXPECT_EQ(image.pixel(2, top) | 0xFF000000u, Black);
        EXPECT_EQ(image.pixel(1, top + 3) | 0xFF000000u, ColoursAt(1).band);
        EXPECT_EQ(image.pixel(144, top + 6) | 0xFF000000u, Black);
        EXPECT_EQ(image.pixel(144, top + 3) | 0xFF000000u, ColoursAt(144).band);
    }
}

TEST(MenuButtonImages, UpAndPressedPictures) {
    const QImage up = CPrayerBarDlg::MenuButtonImage(false);
    const QImage down = CPrayerBarDlg::MenuButtonImage(true);
    ASSERT_EQ(up.size(), QSize(19, 11));
    ASSERT_EQ(down.size(), QSize(19, 11));
    const QRgb white = qRgb(255, 255, 255);
    // Raised: light top-left edge, black bottom-right edge; sunken: the other way round.
    EXPECT_EQ(up.pixel(0, 0) | 0xFF000000u, white);
    EXPECT_EQ(up.pixel(18, 10) | 0xFF000000u, Black);
    EXPECT_EQ(down.pixel(0, 0) | 0xFF000000u, Black);
    EXPECT_EQ(down.pixel(18, 10) | 0xFF000000u, white);
    // The arrow's tip moves one pixel down and right when pressed.
    EXPECT_EQ(up.pixel(7, 4) | 0xFF000000u, Black);
    EXPECT_NE(down.pixel(7, 4) | 0xFF000000u, Black);
    EXPECT_EQ(down.pixel(8, 5) | 0xFF000000u, Black);
    EXPECT_EQ(down.pixel(10, 7) | 0xFF000000u, Black);
    EXPECT_NE(up.pixel(10, 7) | 0xFF000000u, Black);
}

class PrayerBarTest : public ::testing::Test {
  protected:
    PrayerBarTest() {
        ApplyFirstRunDefaults(config);
        config.latitude = testing::CairoCityLatitude;
        config.longitude = testing::CairoCityLongitude;
        config.gmtOffsetHours = 2;
        config.athanWavPath = ".\\Athan\\general.wav";
        config.fajrAthanWavPath = ".\\Athan\\dawn.wav";
        config.topReminderShown = 1;
    }

    CPrayerBarDlg& StartBar(ClockTime at) {
        clock.set(at);
        bar = std::make_unique<CPrayerBarDlg>(config, clock, sound, boxes);
        bar->Start();
        return *bar;
    }

    // The minute of today's prayer `index`, as the prayer-time computation gives it.
    ClockTime PrayerMinute(int index) const {
        const CalendarFields f = BreakLocal(clock.now());
        const DecimalHours t = ComputePrayerTime(index, clock.now(), config.prayerSettings());
        const int hour = static_cast<int>(t);
        const int minute = static_cast<int>((t - hour) * 60);
        return MakeLocal(f.year, f.month, f.day, hour, minute, 0);
    }

    QRgb WindowPixel(const QImage& shot, int x, int y) const {
        return shot.pixel(x, y) | 0xFF000000u;
    }

    ScopedTz tz{"Africa/Cairo"};
    testing::RecordingMessageBoxes boxes;
    testing::RecordingSoundPlayer sound;
    CConfigFile config{boxes};
    FakeClock clock;
    std::unique_ptr<CPrayerBarDlg> bar;
};

QString Headline(const QWidget* athan) {
    const auto* label = athan->findChild<QLabel*>("headline");
    return label != nullptr ? label->text() : QString();
}

// Runs `check` on the modal window that opens next, once its loop is running, then closes it if
// the check has not.
void WithNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* modal = QApplication::activeModalWidget();
        check(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal);
            dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    });
}

// Checks "Remind again me in" on the athan window that opens next and lets the bar close it as
// it does at the next prayer, which arms the reminder.
void CheckTheBoxWhenTheAthanWindowOpens() {
    WithNextModal([](QWidget* modal) {
        auto* athan = qobject_cast<CAthanDlg*>(modal);
        ASSERT_NE(athan, nullptr);
        auto* box = athan->findChild<QCheckBox*>("remindAgain");
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton);
        athan->CloseAsCloseWindow();
    });
}

TEST_F(PrayerBarTest, SitsTopRightWithItsSizeFlagsAndTitle) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(b.size(), QSize(176, 42));
    EXPECT_EQ(b.pos(), QPoint(screen.right() + 1 - 236, screen.top()));
    EXPECT_TRUE(b.isVisible());
    const Qt::WindowFlags flags = b.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(b.alwaysOnTop());
    // Shown by the program it takes no focus; a click gives it the focus so its keys reach it.
    EXPECT_FALSE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(b.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(b.focusPolicy(), Qt::ClickFocus);
    EXPECT_NE(QApplication::activeWindow(), &b);

    // 10:00 in Cairo: Thuhr comes next, a few minutes after noon (12 o'clock reads PM for it).
    const DecimalHours thuhr = ComputePrayerTime(Thuhr, clock.now(), config.prayerSettings());
    ASSERT_EQ(static_cast<int>(thuhr), 12);
    const int minute = static_cast<int>((thuhr - 12) * 60);
    EXPECT_EQ(b.windowTitle(),
              QString("Next: Thuhr at: 12:%1 PM").arg(minute, 2, 10, QLatin1Char('0')));
    // Screen readers name the bar by its title.
    EXPECT_EQ(b.accessibleName(), b.windowTitle());
    EXPECT_TRUE(b.nextPrayerTimer().isActive());
    EXPECT_EQ(b.nextPrayerTimer().timerType(), Qt::PreciseTimer);
    EXPECT_EQ(b.nextPrayerTimer().interval(), (PrayerMinute(Thuhr) - clock.now()) * 1000);
    EXPECT_EQ(b.progressTimer().interval(), 500);

    b.setAlwaysOnTop(false);
    EXPECT_FALSE(b.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(b.isVisible());
}

TEST_F(PrayerBarTest, FaceShowsTheImageZonesUnderTheTitleStrip) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    const QImage shot = b.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(176, 42));
    // Image column c lies under window column 28 + c, image row r under window row 20 + r.
    for (const int column : {1, 20, 33, 34, 80, 115, 116, 144}) {
        EXPECT_EQ(WindowPixel(shot, 28 + column, 30), ColoursAt(column).stripe) << column;
        EXPECT_EQ(WindowPixel(shot, 28 + column, 24), ColoursAt(column).band) << column;
        EXPECT_EQ(WindowPixel(shot, 28 + column, 28), Black) << column;
        EXPECT_EQ(WindowPixel(shot, 28 + column, 33), Black) << column;
    }
    // No line before the first progress tick.
    EXPECT_EQ(WindowPixel(shot, 29, 29), ColoursAt(1).stripe);
    // The title strip is drawn, not left to the face colour.
    EXPECT_NE(WindowPixel(shot, 100, 10), WindowPixel(shot, 24, 38));
}

TEST_F(PrayerBarTest, LineCoversExactlyTheElapsedColumnsOfTheStripe) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    const std::uint32_t start = b.schedule().progressStart();
    ASSERT_GT(start, 5u);
    for (const int steps : {1, 2, 7}) {
        while (b.schedule().progressTicks() < static_cast<std::uint32_t>(steps)) {
            b.OnProgressTimer();
        }
        // The nth tick draws progress p = start + n - 1: window columns 29 .. p + 24.
        const int lastColumn = static_cast<int>(start) + steps - 1 + 24;
        for (int pass = 0; pass < 2; ++pass) {  // and again after a full repaint
            const QImage shot = b.grab().toImage();
            for (int x = 28; x <= 173; ++x) {
                for (int y = 28; y <= 33; ++y) {
                    SCOPED_TRACE(::testing::Message()
                                 << "steps " << steps << " x " << x << " y " << y);
                    const bool onLine = x >= 29 && x <= lastColumn && y >= 29 && y <= 32;
                    if (onLine) {
                        ASSERT_EQ(WindowPixel(shot, x, y), Blue);
                    } else {
                        ASSERT_NE(WindowPixel(shot, x, y), Blue);
                    }
                }
            }
        }
    }
    EXPECT_EQ(b.progressTimer().interval(), static_cast<int>(b.schedule().progressStep() * 1000));
}

TEST_F(PrayerBarTest, ClicksAndKeysBecomeSignals) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    int face = 0, doubleFace = 0, menu = 0, about = 0, cancel = 0;
    std::vector<QPoint> windowMenus;
    QObject::connect(&b, &CPrayerBarDlg::faceClicked, [&] { ++face; });
    QObject::connect(&b, &CPrayerBarDlg::faceDoubleClicked, [&] { ++doubleFace; });
    QObject::connect(&b, &CPrayerBarDlg::menuButtonClicked, [&] { ++menu; });
    QObject::connect(&b, &CPrayerBarDlg::aboutButtonClicked, [&] { ++about; });
    QObject::connect(&b, &CPrayerBarDlg::cancelRequested, [&] { ++cancel; });
    QObject::connect(&b, &CPrayerBarDlg::windowMenuRequested,
                     [&](const QPoint& at) { windowMenus.push_back(at); });

    auto* menuButton = b.findChild<QAbstractButton*>("menuButton");
    auto* aboutButton = b.findChild<QAbstractButton*>("aboutButton");
    ASSERT_NE(menuButton, nullptr);
    ASSERT_NE(aboutButton, nullptr);
    EXPECT_EQ(menuButton->size(), QSize(19, 11));
    EXPECT_EQ(aboutButton->text(), "0");
    QTest::mouseClick(menuButton, Qt::LeftButton);
    QTest::mouseClick(aboutButton, Qt::LeftButton);
    EXPECT_EQ(menu, 1);
    EXPECT_EQ(about, 1);
    EXPECT_EQ(face, 0);

    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(face, 1);
    QTest::mouseDClick(&b, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(doubleFace, 1);

    // A right click, on the title strip or the face, asks for the window's own menu there.
    for (const QPoint at : {QPoint(60, 8), QPoint(100, 30)}) {
        QContextMenuEvent context(QContextMenuEvent::Mouse, at, b.mapToGlobal(at));
        QApplication::sendEvent(&b, &context);
    }
    EXPECT_EQ(windowMenus,
              (std::vector<QPoint>{b.mapToGlobal(QPoint(60, 8)), b.mapToGlobal(QPoint(100, 30))}));

    // Escape asks to hide the bar; Enter does nothing; other keys are not the bar's.
    QTest::keyClick(&b, Qt::Key_Return);
    QTest::keyClick(&b, Qt::Key_Enter);
    EXPECT_EQ(cancel, 0);
    QTest::keyClick(&b, Qt::Key_Escape);
    EXPECT_EQ(cancel, 1);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&b, &other);
    EXPECT_FALSE(other.isAccepted());
    EXPECT_TRUE(b.isVisible());

    // The title strip drags the bar instead.
    const QPoint before = b.pos();
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(60, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 18), b.mapToGlobal(QPointF(40, 18)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 18));
    EXPECT_EQ(face, 1);
    EXPECT_EQ(b.pos(), before + QPoint(-20, 10));
    EXPECT_EQ(menu + about + doubleFace, 3);  // nothing else fired on the way
}

TEST_F(PrayerBarTest, CloseRequestIsIgnored) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    EXPECT_FALSE(b.close());
    EXPECT_TRUE(b.isVisible());
}

TEST_F(PrayerBarTest, FirstProgressTickChimesOnceUnlessMuted) {
    for (const bool muted : {false, true}) {
        SCOPED_TRACE(muted ? "muted" : "sounding");
        sound.requests.clear();
        config.topReminderShown = 0;
        config.muteAllSounds = muted;
        CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
        b.OnProgressTimer();
        b.OnProgressTimer();
        if (muted) {
            EXPECT_TRUE(sound.requests.empty());
        } else {
            EXPECT_EQ(sound.requests, std::vector<std::string>{"play:AlSalah.wav"});
        }
        EXPECT_EQ(config.topReminderShown, 1);
    }
}

TEST_F(PrayerBarTest, EarlyTickOpensNothing) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    const QString title = b.windowTitle();
    clock.set(PrayerMinute(Thuhr) - 2);
    b.OnNextPrayerTimer();  // would block in a modal window if one opened
    EXPECT_EQ(b.windowTitle(), title);
    EXPECT_TRUE(b.nextPrayerTimer().isActive());
    EXPECT_EQ(b.nextPrayerTimer().interval(), 2000);
    EXPECT_TRUE(sound.requests.empty());
}

TEST_F(PrayerBarTest, PrayerOpensItsAthanWindowAndForgetsItWhenClosed) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    clock.set(PrayerMinute(Thuhr));
    bool seen = false;
    WithNextModal([&](QWidget* modal) {
        auto* athan = qobject_cast<CAthanDlg*>(modal);
        ASSERT_NE(athan, nullptr);
        seen = true;
        EXPECT_EQ(b.openAthanWindow().data(), athan);
        EXPECT_TRUE(Headline(athan).contains("Thuhr"));
        EXPECT_EQ(sound.requests, std::vector<std::string>{"play:./Athan/general.wav"});
        // The bar already names the prayer after it.
        EXPECT_TRUE(b.windowTitle().startsWith("Next: Asr at: "));
        athan->CloseAsCloseWindow();
    });
    b.OnNextPrayerTimer();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(b.openAthanWindow().isNull());
    EXPECT_EQ(b.schedule().lineColumns(), 0);
}

TEST_F(PrayerBarTest, NextPrayerClosesAnAthanWindowStillOpen) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    clock.set(PrayerMinute(Thuhr));
    QPointer<CAthanDlg> first;
    QPointer<CAthanDlg> second;
    WithNextModal([&](QWidget* modal) {
        first = qobject_cast<CAthanDlg*>(modal);
        ASSERT_FALSE(first.isNull());
        // Asr comes while Thuhr's window is still open.
        clock.set(PrayerMinute(Asr));
        WithNextModal([&](QWidget* inner) {
            second = qobject_cast<CAthanDlg*>(inner);
            ASSERT_FALSE(second.isNull());
            EXPECT_NE(second.data(), first.data());
            EXPECT_FALSE(first->isVisible());
            EXPECT_EQ(b.openAthanWindow().data(), second.data());
            EXPECT_TRUE(Headline(second).contains("Asr"));
            second->reject();
        });
        b.OnNextPrayerTimer();
    });
    b.OnNextPrayerTimer();
    EXPECT_TRUE(b.openAthanWindow().isNull());
    EXPECT_TRUE(first.isNull());  // destroyed once closed
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(sound.requests,
              (std::vector<std::string>{"play:./Athan/general.wav", "play:./Athan/general.wav"}));
}

TEST_F(PrayerBarTest, FajrPlaysItsOwnCallAndSunriseOpensNoWindow) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 3, 0, 0));
    clock.set(PrayerMinute(Fajr));
    WithNextModal([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<CAthanDlg*>(modal), nullptr);
        EXPECT_EQ(sound.requests, std::vector<std::string>{"play:./Athan/dawn.wav"});
    });
    b.OnNextPrayerTimer();
    ASSERT_TRUE(b.windowTitle().startsWith("Next: Shrook at: "));
    sound.requests.clear();
    clock.set(PrayerMinute(Shrook));
    b.OnNextPrayerTimer();  // kept on top: no window, no chime
    EXPECT_TRUE(b.windowTitle().startsWith("Next: Thuhr at: "));
    EXPECT_TRUE(sound.requests.empty());
}

TEST_F(PrayerBarTest, ReminderArmedFromTheAthanWindowOpensTheReminder) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    clock.set(PrayerMinute(Thuhr));
    CheckTheBoxWhenTheAthanWindowOpens();
    b.OnNextPrayerTimer();
    EXPECT_EQ(b.reminderTimerId(), 400);
    EXPECT_TRUE(b.reminderTimer().isActive());
    EXPECT_EQ(b.reminderTimer().interval(), 5 * 60000);
    EXPECT_EQ(b.reminderTimer().timerType(), Qt::PreciseTimer);

    sound.requests.clear();
    bool reminded = false;
    WithNextModal([&](QWidget* modal) {
        reminded = qobject_cast<CReminderDlg*>(modal) != nullptr;
        EXPECT_EQ(sound.requests, std::vector<std::string>{"play:AlSalah.wav"});
    });
    b.OnReminderTimer();
    EXPECT_TRUE(reminded);
    EXPECT_FALSE(b.reminderTimer().isActive());  // escape armed nothing new
}

TEST_F(PrayerBarTest, LaterInTheReminderArmsTheBarsReminderAgain) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    clock.set(PrayerMinute(Thuhr));
    CheckTheBoxWhenTheAthanWindowOpens();
    b.OnNextPrayerTimer();
    ASSERT_TRUE(b.reminderTimer().isActive());

    WithNextModal([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<CReminderDlg*>(modal), nullptr);
        auto* minutes = modal->findChild<QLineEdit*>("remindMinutes");
        ASSERT_NE(minutes, nullptr);
        minutes->setText("12");
        QTest::mouseClick(modal->findChild<QPushButton*>("later"), Qt::LeftButton);
    });
    b.OnReminderTimer();
    EXPECT_EQ(b.reminderTimerId(), 400);
    EXPECT_TRUE(b.reminderTimer().isActive());
    EXPECT_EQ(b.reminderTimer().interval(), 12 * 60000);
}

TEST_F(PrayerBarTest, ClockSetForwardRestartsTheSchedule) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    ASSERT_TRUE(b.windowTitle().startsWith("Next: Thuhr at: "));
    clock.advance(6 * 3600);  // the monotonic clock has hardly moved
    b.OnClockCheckTimer();
    EXPECT_TRUE(b.windowTitle().startsWith("Next: Maghrib at: "));
    EXPECT_EQ(b.nextPrayerTimer().interval(), (PrayerMinute(Maghrib) - clock.now()) * 1000);
}

TEST(BarStartGeometry, TheCornerOrTheSavedPlaceKeptOnScreen) {
    const QRect primary(0, 0, 1920, 1080);
    const std::vector<QRect> areas = {QRect(0, 0, 1920, 1040)};
    const struct {
        const char* label;
        std::optional<QPoint> saved;
        QRect expected;
    } cases[] = {
        {"never moved: the corner", std::nullopt, QRect(1684, 0, 176, 42)},
        {"left where the user put it", QPoint(100, 500), QRect(100, 500, 176, 42)},
        {"its monitor gone", QPoint(2500, 100), QRect(1744, 100, 176, 42)},
        {"below the panel's edge", QPoint(10, 1039), QRect(10, 998, 176, 42)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CPrayerBarDlg::StartGeometry(c.saved, primary, areas), c.expected) << c.label;
    }
}

TEST_F(PrayerBarTest, OnlyTheUsersMovesAreReportedAsItsPlace) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    QSignalSpy chosen(&b, &CPrayerBarDlg::placeChosen);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint corner = b.pos();

    b.move(screen.topLeft() + QPoint(40, 60));  // as the window manager does for a drag
    b.move(screen.topLeft() + QPoint(50, 70));
    EXPECT_TRUE(chosen.wait(CPrayerBarDlg::PlaceSettleMs + 1000));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.front().front().toPoint(), screen.topLeft() + QPoint(50, 70));

    b.PutBackInCorner();
    EXPECT_EQ(b.pos(), corner);
    EXPECT_FALSE(chosen.wait(CPrayerBarDlg::PlaceSettleMs + 200));
    EXPECT_EQ(chosen.count(), 1);
}

TEST_F(PrayerBarTest, OffTheScreenItComesBackWhenTheScreensChange) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    b.move(screen.bottomRight() + QPoint(400, 400));  // where a monitor used to be
    b.KeepOnScreen();
    EXPECT_TRUE(screen.contains(b.frameGeometry()));
    EXPECT_EQ(b.frameGeometry().bottomRight(), screen.bottomRight());
}

// The worked example's day: Cairo, 21 March 2007, two hours ahead of GMT all year.
class BarTipTest : public ::testing::Test {
  protected:
    BarTipTest() {
        ApplyFirstRunDefaults(config);
        testing::SetCairoExample(config);
        config.calculationWay = 0;
        config.showAthanAlert = 0;
        config.muteAllSounds = 1;
        config.topReminderShown = 1;
    }
    ScopedTz tz{"EET-2"};
    testing::RecordingMessageBoxes boxes;
    testing::RecordingSoundPlayer sound;
    CConfigFile config{boxes};
    FakeClock clock{MakeLocal(2007, 3, 21, 11, 0, 0)};
};

const QString TodaysTimes =
    "Fajr: 4:31 am\nShrook: 5:58 am\nThuhr: 12:02 pm\nAsr: 3:29 pm\nMaghrib: 6:06 pm\n"
    "Isha: 7:21 pm\n";

TEST_F(BarTipTest, ShowsTodaysTimesAndTheTimeLeftAsTheClockGoesOn) {
    CPrayerBarDlg bar(config, clock, sound, boxes);
    bar.Start();
    EXPECT_EQ(bar.TipText(), TodaysTimes + "Thuhr in 1 h 02 min");

    clock.set(MakeLocal(2007, 3, 21, 12, 1, 30));
    EXPECT_EQ(bar.TipText(), TodaysTimes + "Thuhr in 1 min");

    // Thuhr comes: the bar awaits Asr.
    clock.set(MakeLocal(2007, 3, 21, 12, 2, 0));
    bar.OnNextPrayerTimer();
    EXPECT_EQ(bar.TipText(), TodaysTimes + "Asr in 3 h 27 min");

    // Asked for by hovering, the tip is made at that moment.
    clock.set(MakeLocal(2007, 3, 21, 15, 0, 0));
    QHelpEvent hover(QEvent::ToolTip, QPoint(60, 30), bar.mapToGlobal(QPoint(60, 30)));
    QApplication::sendEvent(&bar, &hover);
    EXPECT_EQ(bar.toolTip(), TodaysTimes + "Asr in 29 min");
}

}  // namespace
}  // namespace salvenor

namespace salvenor {
namespace {

// The notices the bar gives through the notifier seam: the warning at its minute from the
// warning timer, the notice at the prayer beside (or instead of) the athan window.
TEST_F(PrayerBarTest, NotifiesBeforeAndAtThePrayerWithItsNameAndTime) {
    config.showAthanAlert = 0;  // the notice at the prayer is then on by default
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    testing::RecordingNotifier notifier;
    b.setNotifications(&notifier, {std::nullopt, 15});
    const QString thuhr = QString::fromStdString(
        FormatDecimalTime(Thuhr, ComputePrayerTime(Thuhr, clock.now(), config.prayerSettings())));
    ASSERT_TRUE(b.warningTimer().isActive());
    EXPECT_EQ(b.warningTimer().interval(), (PrayerMinute(Thuhr) - 900 - clock.now()) * 1000);

    clock.set(PrayerMinute(Thuhr) - 900);
    b.OnWarningTimer();
    clock.set(PrayerMinute(Thuhr));
    b.OnNextPrayerTimer();  // no athan window: it would hold the test in its loop
    b.OnWarningTimer();     // a stray tick says nothing more
    EXPECT_EQ(notifier.notes,
              (std::vector<std::string>{"Thuhr in 15 minutes | Thuhr at " + thuhr.toStdString(),
                                        "Time for Thuhr | Thuhr at " + thuhr.toStdString()}));
    // The next warning is armed for Asr.
    EXPECT_EQ(b.warningTimer().interval(), (PrayerMinute(Asr) - 900 - clock.now()) * 1000);
}

TEST_F(PrayerBarTest, WithoutChoicesNoWarningIsArmedAndTheAthanWindowStandsAlone) {
    CPrayerBarDlg& b = StartBar(MakeLocal(2024, 1, 15, 10, 0, 0));
    testing::RecordingNotifier notifier;
    b.setNotifications(&notifier, {});
    EXPECT_FALSE(b.warningTimer().isActive());
    clock.set(PrayerMinute(Thuhr));
    WithNextModal([](QWidget* modal) { ASSERT_NE(qobject_cast<CAthanDlg*>(modal), nullptr); });
    b.OnNextPrayerTimer();
    EXPECT_TRUE(notifier.notes.empty());
}

}  // namespace
}  // namespace salvenor

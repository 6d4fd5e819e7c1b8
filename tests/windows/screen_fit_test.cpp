// Keeping windows on screen: pushed inside the free area, centred where asked, an oversized one
// with its top-left corner on screen.
#include "windows/screen_fit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace salvenor {
namespace {

const QRect Available(0, 0, 1280, 770);  // a panel along the bottom

TEST(KeepInside, PushesOnScreenAndKeepsTheTopLeftOfAnOversizedWindow) {
    EXPECT_EQ(KeepInside(QRect(-50, -10, 100, 100), Available), QRect(0, 0, 100, 100));
    EXPECT_EQ(KeepInside(QRect(1250, 760, 100, 100), Available), QRect(1180, 670, 100, 100));
    EXPECT_EQ(KeepInside(QRect(300, 300, 2000, 100), Available), QRect(0, 300, 2000, 100));
    EXPECT_EQ(KeepInside(QRect(40, 50, 100, 100), Available), QRect(40, 50, 100, 100));
}

TEST(CentredInside, CentresOnThePointUnlessThatLeavesTheScreen) {
    struct Case {
        const char* name;
        QPoint centre;
        QSize size;
        QRect expected;
    };
    const Case cases[] = {
        {"middle", QPoint(640, 385), QSize(370, 403), QRect(455, 184, 370, 403)},
        {"odd size", QPoint(100, 100), QSize(51, 31), QRect(75, 85, 51, 31)},
        {"top left corner", QPoint(10, 10), QSize(370, 403), QRect(0, 0, 370, 403)},
        {"bottom right corner", QPoint(1279, 769), QSize(254, 283), QRect(1026, 487, 254, 283)},
        {"wider than the screen", QPoint(640, 385), QSize(1400, 100), QRect(0, 335, 1400, 100)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredInside(c.centre, c.size, Available), c.expected) << c.name;
    }
}

TEST(MoveCentredOnScreen, CentresOnThePrimaryScreenOrTheGivenPointAndStaysInside) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->availableGeometry();
    QDialog window;
    window.resize(200, 120);
    window.show();

    MoveCentredOnScreen(window, nullptr);
    EXPECT_LE((window.frameGeometry().center() - area.center()).manhattanLength(), 2);

    const QPoint point = area.topLeft() + QPoint(300, 250);
    MoveCentredOnScreen(window, screen, point);
    EXPECT_LE((window.frameGeometry().center() - point).manhattanLength(), 2);

    MoveCentredOnScreen(window, screen, area.bottomRight());
    EXPECT_TRUE(area.contains(window.frameGeometry())) << "pushed back on screen";
}

}  // namespace
}  // namespace salvenor

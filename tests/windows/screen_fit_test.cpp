// Keeping windows on screen: pushed inside the free area, centred where asked, an oversized one
// with its top-left corner on screen.
#include "windows/screen_fit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <vector>

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

namespace salvenor {
namespace {

TEST(KeepOnScreens, BringsAFrameOntoTheScreenItOverlapsMostOrThePrimaryOne) {
    const QRect primary(0, 0, 1920, 1040);   // a panel along the bottom
    const QRect right(1920, 0, 1280, 1024);  // a second monitor to its right
    const QRect left(-1280, 0, 1280, 1024);  // or to its left
    const QRect bar(0, 0, 176, 42);
    const struct {
        const char* label;
        QPoint at;
        std::vector<QRect> areas;
        QPoint expected;
    } cases[] = {
        {"inside stays", {100, 500}, {primary}, {100, 500}},
        {"the screen shrank under it", {1800, 1000}, {QRect(0, 0, 1280, 720)}, {1104, 678}},
        {"on a monitor that went away", {2500, 100}, {primary}, {1744, 100}},
        {"on the second monitor, still there", {2500, 100}, {primary, right}, {2500, 100}},
        {"across two monitors: the one it overlaps most", {1900, 10}, {primary, right}, {1920, 10}},
        {"mostly on the primary one", {1800, 10}, {primary, right}, {1744, 10}},
        {"a monitor to the left", {-1000, 300}, {primary, left}, {-1000, 300}},
        {"the left monitor gone", {-1000, 300}, {primary}, {0, 300}},
        {"under the panel", {300, 1030}, {primary}, {300, 998}},
        {"no screens at all: as it is", {5000, 5000}, {}, {5000, 5000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeepOnScreens(bar.translated(c.at), c.areas).topLeft(), c.expected) << c.label;
    }
}

}  // namespace
}  // namespace salvenor

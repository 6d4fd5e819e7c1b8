// Keeping windows clear of the bar: the placement arithmetic case by case, and the filter
// moving real dialogs and message boxes that Qt would centre on the bar.
#include "app/window_placement.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include "bar/prayer_bar_dlg.h"

namespace salvenor {
namespace {

const QRect Available(0, 0, 1280, 770);  // a panel along the bottom
const QRect TopRightBar(1044, 0, 176, 42);

struct PlaceCase {
    const char* name;
    QRect frame;
    QRect bar;
    QRect expected;
};

class PlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceTest, ClearOfTheBarAndOnScreen) {
    const PlaceCase& c = GetParam();
    const QRect placed = PlaceClearOfBar(c.frame, c.bar, Available);
    EXPECT_EQ(placed, c.expected);
    EXPECT_EQ(placed.size(), c.frame.size());
    if (c.frame.width() < Available.width() && c.frame.height() < Available.height()) {
        EXPECT_FALSE(placed.intersects(c.bar));
        EXPECT_TRUE(Available.contains(placed));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceTest,
    ::testing::Values(
        // Centred on the bar in the top right corner: below it, right edges aligned.
        PlaceCase{"CentredOnTheBar", QRect(982, -179, 300, 400), TopRightBar,
                  QRect(920, 48, 300, 400)},
        // Wider than the room to the bar's right edge allows: pushed left, still below.
        PlaceCase{"WideWindow", QRect(500, 0, 1000, 300), TopRightBar, QRect(220, 48, 1000, 300)},
        // Already clear: left alone.
        PlaceCase{"Clear", QRect(100, 100, 300, 200), TopRightBar, QRect(100, 100, 300, 200)},
        // Touching the clearance zone counts as covering.
        PlaceCase{"InTheGap", QRect(900, 45, 200, 100), TopRightBar, QRect(1020, 48, 200, 100)},
        // A bar dragged to the bottom: below is off screen, so left of it.
        PlaceCase{"BarAtTheBottom", QRect(1000, 600, 300, 200), QRect(1044, 728, 176, 42),
                  QRect(738, 570, 300, 200)},
        // A bar at the bottom left: neither below nor left: right of it.
        PlaceCase{"BarBottomLeft", QRect(0, 600, 300, 200), QRect(0, 728, 176, 42),
                  QRect(182, 570, 300, 200)},
        // Too tall for below: beside the bar, from the top of the screen.
        PlaceCase{"TallerThanTheScreen", QRect(1000, 0, 200, 900), TopRightBar,
                  QRect(838, 0, 200, 900)},
        // Larger than the screen both ways: nothing keeps clear; below, pushed on screen.
        PlaceCase{"LargerThanTheScreen", QRect(0, 0, 1300, 900), TopRightBar,
                  QRect(0, 0, 1300, 900)}),
    [](const auto& info) { return std::string(info.param.name); });

// A stand-in for the bar: a small frameless window where the bar starts.
class BarClearanceTest : public ::testing::Test {
  protected:
    BarClearanceTest() {
        bar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        const QRect home =
            CPrayerBarDlg::HomeGeometry(QGuiApplication::primaryScreen()->geometry());
        bar.setFixedSize(home.size());
        bar.move(home.topLeft());
        bar.show();
        filter.setBar(&bar);
        QCoreApplication::instance()->installEventFilter(&filter);
    }

    void ExpectClear(const QWidget& window) const {
        EXPECT_FALSE(window.frameGeometry().intersects(bar.frameGeometry()))
            << "window " << window.frameGeometry().x() << "," << window.frameGeometry().y();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(available.contains(window.frameGeometry().topLeft()));
    }

    QWidget bar;
    CBarClearance filter;
};

TEST_F(BarClearanceTest, DialogsCentredOnTheBarOpenBelowIt) {
    QDialog dialog(&bar);
    dialog.resize(300, 200);
    dialog.show();
    ExpectClear(dialog);
    EXPECT_GT(dialog.frameGeometry().top(), bar.frameGeometry().bottom());
    dialog.hide();
    dialog.show();  // and again each time it opens
    ExpectClear(dialog);

    QMessageBox box(QMessageBox::Question, "Salvenor", "Close?", QMessageBox::Yes | QMessageBox::No,
                    &bar);
    box.show();
    ExpectClear(box);
}

TEST_F(BarClearanceTest, DialogWithoutParentStaysCentredOnTheScreen) {
    QDialog dialog;
    dialog.resize(200, 100);
    dialog.show();
    ExpectClear(dialog);
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - centre).manhattanLength(), 40);
}

TEST_F(BarClearanceTest, LeavesOtherWindowsAndAHiddenBarAlone) {
    QWidget plain(&bar, Qt::Window);  // not a dialog
    plain.resize(300, 200);
    plain.move(bar.pos());
    plain.show();
    EXPECT_EQ(plain.pos(), bar.pos());

    bar.hide();
    QDialog dialog(&bar);
    dialog.resize(300, 200);
    dialog.move(bar.pos());
    dialog.show();
    EXPECT_EQ(dialog.pos(), bar.pos());
}

}  // namespace
}  // namespace salvenor

// Renders today's page and a Hijri and a Gregorian month page from the shipped templates in a
// browser view, saves them as PNG files under the build folder for a reviewer to look at, and
// checks that the occasion colours reach the screen.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <cstdlib>
#include <ctime>
#include <map>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "core/local_time.h"
#include "pages/month_page.h"
#include "platform/clock.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"
#include "tests/windows/month_calendar_test_support.h"
#include "windows/day_sala_time_dlg.h"
#include "windows/find_bar.h"
#include "windows/month_calendar_dlg.h"

namespace salvenor {
namespace {

using testing::InstallationFolder;
using testing::RecordingMessageBoxes;

const QRgb Orange = qRgb(0xFF, 0x80, 0x00);  // white text on it reads poorly: no day stands on it
const QRgb Green = qRgb(0x00, 0xFF, 0x00);
const QRgb Grey = qRgb(0xC9, 0xC9, 0xC9);
const QRgb Pink = qRgb(0xFF, 0xE1, 0xE7);

// A day cell is far larger than a legend swatch: this many pixels of a colour mean a cell.
constexpr int CellPixels = 1500;

class PageScreenshotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyCalendarFrom(SALVENOR_SOURCE_DATA_DIR);
        QDir().mkpath(SALVENOR_SCREENSHOT_DIR);
    }

    // The whole page in a view `width` pixels wide, without scroll bars.
    static QImage Render(const std::string& page, int width) {
        QTextBrowser view;
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.resize(width, 400);
        view.setSource(QUrl::fromLocalFile(QString::fromStdString(page)));
        view.document()->setTextWidth(view.viewport()->width());
        view.resize(width, qCeil(view.document()->size().height()) + 2 * view.frameWidth());
        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static void Save(const QImage& image, const char* name) {
        const QString path = QString(SALVENOR_SCREENSHOT_DIR) + "/" + name;
        EXPECT_TRUE(image.save(path)) << path.toStdString();
    }

    static std::map<QRgb, int> Count(const QImage& image) {
        std::map<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                ++counts[line[x] | 0xFF000000u];
            }
        }
        return counts;
    }

    InstallationFolder folder;
    RecordingMessageBoxes boxes;
};

TEST_F(PageScreenshotTest, HijriMonthShowsItsOccasionColours) {
    ASSERT_TRUE(BuildMonthPage(CalendarKind::Hijri, 1427, 9, folder.path(), boxes));
    const QImage image = Render(MonthPagePath(folder.path()), 760);
    Save(image, "month_hijri_ramadan_1427.png");
    const auto counts = Count(image);
    EXPECT_EQ(counts.count(Orange), 0u);     // ordinary days stand on white
    EXPECT_GT(counts.at(Grey), CellPixels);  // days 1, 17 and 21
    EXPECT_GT(counts.at(Pink), CellPixels);  // days 20 to 28, every other day
    EXPECT_GT(counts.at(Green), 0);          // the legend only: no feast in Ramadan
    EXPECT_LT(counts.at(Green), CellPixels);
}

TEST_F(PageScreenshotTest, GregorianMonthShowsItsOccasionColours) {
    ASSERT_TRUE(BuildMonthPage(CalendarKind::Gregorian, 2006, 10, folder.path(), boxes));
    const QImage image = Render(MonthPagePath(folder.path()), 760);
    Save(image, "month_gregorian_october_2006.png");
    const auto counts = Count(image);
    for (const QRgb colour : {Green, Grey, Pink}) {
        EXPECT_GT(counts.at(colour), CellPixels) << QColor(colour).name().toStdString();
    }
    EXPECT_EQ(counts.count(Orange), 0u);
    // The same page at the width of a small window.
    Save(Render(MonthPagePath(folder.path()), 560), "month_gregorian_october_2006_narrow.png");
}

TEST_F(PageScreenshotTest, TodayWindow) {
    const testing::ScopedTimeZone zone("EET-2");
    CConfigFile config(boxes);
    testing::SetCairoExample(config);
    const FakeClock clock(MakeLocal(2007, 3, 21, 13, 0, 0));
    CDaySalaTimeDlg window(nullptr, config, boxes, clock, folder.path());
    window.show();
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Save(image, "today_window.png");
    EXPECT_TRUE(boxes.entries.empty());
    EXPECT_TRUE(window.browser()->toPlainText().contains("Prayer times in Egypt-Cairo"));
    EXPECT_GT(Count(image).size(), 3u);  // more than a blank window
}

TEST_F(PageScreenshotTest, MonthCalendarWindow) {
    const FakeClock clock(1174474800);  // 21 March 2007
    testing::FakePageDialogs dialogs;
    CMonthCalendarDlg window(nullptr, boxes, clock, dialogs, folder.path(),
                             {CalendarKind::Hijri, 1427, 9});
    window.show();
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Save(image, "month_calendar_window.png");
    EXPECT_TRUE(boxes.entries.empty());
    EXPECT_GT(Count(image).at(Pink), CellPixels);  // the page is in the view
    window.findBar()->open();
    QTest::keyClicks(window.findBar()->field(), "hunayn");
    Save(window.grab().toImage(), "month_calendar_window_find.png");
    EXPECT_TRUE(window.findBar()->showsNotFound());
}

}  // namespace
}  // namespace salvenor

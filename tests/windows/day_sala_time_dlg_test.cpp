// The today window: its page, its layout, its "OK" button and its modal run.
#include "windows/day_sala_time_dlg.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <cstdlib>
#include <ctime>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "core/local_time.h"
#include "platform/clock.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

using ::testing::HasSubstr;
using testing::InstallationFolder;
using testing::RecordingMessageBoxes;

class DaySalaTimeDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::SetCairoExample(config);
        clock.set(MakeLocal(2007, 3, 21, 13, 0, 0));
        folder.write("Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm",
                     "<html><body>\n<p>COUNTRY1-CITY1 DATEDAY1</p>\n<p>FJRTM ISHTM</p>\n"
                     "<p>NXTPRYR NEXTPTM</p>\n</body></html>\n");
    }
    testing::ScopedTimeZone zone{"EET-2"};
    RecordingMessageBoxes boxes;
    CConfigFile config{boxes};
    FakeClock clock;
    InstallationFolder folder;
};

TEST_F(DaySalaTimeDlgTest, ShowsTodaysPage) {
    CDaySalaTimeDlg window(nullptr, config, boxes, clock, folder.path());
    EXPECT_EQ(window.windowTitle(), "Today Pryer Times");
    EXPECT_TRUE(boxes.entries.empty());
    const QString text = window.browser()->toPlainText();
    EXPECT_TRUE(text.contains("Egypt-Cairo Wednesday")) << text.toStdString();
    EXPECT_TRUE(text.contains("4:31 am 7:21 pm")) << text.toStdString();
    EXPECT_TRUE(text.contains("Asr 3:29 pm")) << text.toStdString();
}

TEST_F(DaySalaTimeDlgTest, MissingTemplateIsReportedAndTheViewStaysEmpty) {
    std::filesystem::remove(folder.at("Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm"));
    CDaySalaTimeDlg window(nullptr, config, boxes, clock, folder.path());
    ASSERT_EQ(boxes.entries.size(), 1u);
    EXPECT_THAT(boxes.entries[0].text, HasSubstr("Cannot open file "));
    EXPECT_TRUE(window.browser()->toPlainText().isEmpty());
}

// Dialog units: the view at 7,7 (375 by 302) and "OK" at 154,313 (50 by 14) of a 389 by 334
// client area.
TEST_F(DaySalaTimeDlgTest, LaysOutTheViewAboveACentredOkButton) {
    CDaySalaTimeDlg window(nullptr, config, boxes, clock, folder.path());
    const QRect view = window.browser()->geometry();
    const QRect ok = window.okButton()->geometry();
    const double w = window.width();
    const double h = window.height();
    EXPECT_NEAR(view.x() / w, 7.0 / 389, 0.01);
    EXPECT_NEAR(view.width() / w, 375.0 / 389, 0.01);
    EXPECT_NEAR(view.height() / h, 302.0 / 334, 0.01);
    EXPECT_NEAR(ok.x() / w, 154.0 / 389, 0.01);
    EXPECT_NEAR(ok.y() / h, 313.0 / 334, 0.01);
    EXPECT_LT(view.bottom(), ok.top());
    EXPECT_LE(ok.bottom(), window.height());
    EXPECT_EQ(window.okButton()->text(), "OK");
    EXPECT_TRUE(window.okButton()->isDefault());
}

TEST_F(DaySalaTimeDlgTest, OkClosesTheWindow) {
    CDaySalaTimeDlg window(nullptr, config, boxes, clock, folder.path());
    window.show();
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(DaySalaTimeDlgTest, OpensModallyAndIsGoneWhenClosed) {
    bool sawModalWindow = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<CDaySalaTimeDlg*>(QApplication::activeModalWidget());
        sawModalWindow = window != nullptr && window->isModal();
        if (window != nullptr) {
            window->okButton()->click();
        }
    });
    OpenTodayWindow(nullptr, config, boxes, clock, folder.path());
    EXPECT_TRUE(sawModalWindow);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<CDaySalaTimeDlg*>(w), nullptr);
    }
}

}  // namespace
}  // namespace salvenor

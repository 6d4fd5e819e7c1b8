// The small windows: titles, texts and buttons word for word, what each button ends with, the
// notice's beep before it shows, and pictures whose text is drawn large enough to read. The
// pictures are saved under the build folder for a reviewer to look at.
#include "windows/small_windows.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/support/fakes.h"
#include "tests/support/modal_script.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The texts of a window's labels that hold text, in the order they were made.
std::vector<std::string> LabelTexts(const QWidget& window) {
    std::vector<std::string> out;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            out.push_back(label->text().toStdString());
        }
    }
    return out;
}

std::vector<std::string> ButtonTexts(const QWidget& window) {
    std::vector<std::string> out;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        out.push_back(button->text().toStdString());
    }
    return out;
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    const char* title;
    std::vector<std::string> labels;
    std::vector<std::string> buttons;
};

class SmallWindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SmallWindowTest, TitleTextsAndButtonsAsWritten) {
    const WindowCase& c = GetParam();
    const std::unique_ptr<QDialog> window = c.make();
    window->show();
    EXPECT_EQ(window->windowTitle().toStdString(), c.title);
    EXPECT_EQ(LabelTexts(*window), c.labels);
    EXPECT_THAT(ButtonTexts(*window), ::testing::UnorderedElementsAreArray(c.buttons));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QDir().mkpath(SALVENOR_SCREENSHOT_DIR);
    window->grab().save(QStringLiteral(SALVENOR_SCREENSHOT_DIR "/window_") + c.name + ".png");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SmallWindowTest,
    ::testing::Values(
        WindowCase{"About",
                   [] { return std::make_unique<CAbout>(); },
                   "About Salvenor Version 2.0",
                   {texts::LicenceNotice, texts::GeoNamesCredit,
                    std::string("Package version ") + SALVENOR_VERSION},
                   {"OK"}},
        WindowCase{"InitInstallation",
                   [] { return std::make_unique<CInitInstallation>(); },
                   "Salvenor (ZAV) New Installation Setup",
                   {"ZAV INITIAL SETUP",
                    "You will need to enter the COUNTRY NAME and the CITY NAME so that the ZAV can "
                    "adjust prayer times to your location. ",
                    "In the coming dialog, please select those settings carefuly. You can change "
                    "that at any time from the \"Setup\" menu. ",
                    "Press \"Continue\" to begin the setings or Exit if you wish to cancel Setup "
                    "(Note if you cancel, a default setup will be put for you which might not be "
                    "correct"},
                   {"Continue...", "Exit !"}},
        WindowCase{"WebsiteReminder",
                   [] { return std::make_unique<CWebsiteReminder>(); },
                   "Reminder",
                   {"Please visit our website at:", "https://salvenor.example.org/",
                    "For support, questions, suggestions or comments please send us an email on",
                    "support@salvenor.example.org"},
                   {"OK"}},
        WindowCase{"NotSupported",
                   [] { return std::make_unique<CFtNotSupported>(); },
                   "Not Supported !!",
                   {},
                   {"OK"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AboutWindow, NamesTheLicenceAndCreditsGeoNames) {
    EXPECT_THAT(texts::LicenceNotice, HasSubstr("GPL-3.0-or-later"));
    EXPECT_THAT(texts::GeoNamesCredit, HasSubstr("GeoNames"));
    EXPECT_THAT(texts::GeoNamesCredit, HasSubstr("CC BY 4.0"));
    CAbout about;
    about.show();
    const auto* picture = about.findChild<QLabel*>("picture");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), CAbout::Picture().size());
    about.okButton()->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

// The first-run notice goes on only through "Continue..."; every other way out refuses setup.
struct InitCase {
    const char* name;
    std::function<void(CInitInstallation&)> act;
    bool goesOn;
};

class InitInstallationTest : public ::testing::TestWithParam<InitCase> {};

TEST_P(InitInstallationTest, OnlyContinueGoesOn) {
    const InitCase& c = GetParam();
    testing::ModalScript script;
    script.then([&c](QWidget& window) { c.act(static_cast<CInitInstallation&>(window)); });
    EXPECT_EQ(AskInitInstallation(nullptr), c.goesOn);
    EXPECT_THAT(script.titles, ElementsAre("Salvenor (ZAV) New Installation Setup"));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, InitInstallationTest,
    ::testing::Values(
        InitCase{"Continue", [](CInitInstallation& w) { w.continueButton()->click(); }, true},
        InitCase{"EnterTakesTheDefault",
                 [](CInitInstallation& w) { QTest::keyClick(&w, Qt::Key_Return); }, true},
        InitCase{"Exit", [](CInitInstallation& w) { w.exitButton()->click(); }, false},
        InitCase{"Escape", [](CInitInstallation& w) { QTest::keyClick(&w, Qt::Key_Escape); },
                 false},
        InitCase{"CloseBox", [](CInitInstallation& w) { w.close(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InitInstallation, StaysAboveOtherWindowsWithContinueAsDefault) {
    CInitInstallation notice;
    EXPECT_TRUE(notice.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(notice.continueButton()->isDefault());
    EXPECT_FALSE(notice.exitButton()->isDefault());
}

TEST(NotSupported, BeepsOnceBeforeItShowsAndOkEndsIt) {
    testing::RecordingSoundPlayer sound;
    testing::ModalScript script;
    std::vector<std::string> heardWhenShown;
    script.then([&](QWidget& window) {
        heardWhenShown = sound.requests;
        static_cast<CFtNotSupported&>(window).okButton()->click();
    });
    OpenNotSupported(nullptr, sound);
    EXPECT_THAT(script.titles, ElementsAre("Not Supported !!"));
    EXPECT_THAT(heardWhenShown, ElementsAre("beep:450:100"));
    EXPECT_THAT(sound.requests, ElementsAre("beep:450:100"));
}

TEST(SmallWindowEntryPoints, EachRunsItsWindowModally) {
    testing::ModalScript script;
    script.then(testing::ClickButton("OK")).then(testing::ClickButton("OK"));
    OpenAbout(nullptr);
    ShowWebsiteReminder(nullptr);
    EXPECT_THAT(script.titles, ElementsAre("About Salvenor Version 2.0", "Reminder"));
}

// Where text of `ink` lies in `area` of `picture`: its bounding box (empty when none).
QRect InkBox(const QImage& picture, const QRect& area, const std::function<bool(QColor)>& ink) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(picture.pixelColor(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

struct PictureCase {
    const char* name;
    std::function<QImage()> paint;
    QSize size;
    QRect feature;  // where the largest text line (or the picture's subject) is drawn
    std::function<bool(QColor)> ink;
    int minimumHeight;  // in pixels: a line of text must read at the picture's size
};

class PictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, DrawsItsTextLargeEnoughToRead) {
    const PictureCase& c = GetParam();
    const QImage picture = c.paint();
    ASSERT_EQ(picture.size(), c.size);
    const QRect ink = InkBox(picture, c.feature, c.ink);
    ASSERT_FALSE(ink.isEmpty()) << "nothing drawn where the headline belongs";
    EXPECT_GE(ink.height(), c.minimumHeight);
    EXPECT_GE(ink.width(), c.minimumHeight / 2);
    QDir().mkpath(SALVENOR_SCREENSHOT_DIR);
    picture.save(QStringLiteral(SALVENOR_SCREENSHOT_DIR "/") + c.name + ".png");
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureTest,
    ::testing::Values(
        PictureCase{"about", &CAbout::Picture, QSize(400, 222), QRect(140, 22, 250, 44),
                    [](QColor c) { return c.lightness() > 230; }, 20},
        PictureCase{"not_supported", &CFtNotSupported::Picture, QSize(360, 150),
                    QRect(108, 20, 240, 32),
                    [](QColor c) { return c.red() < 140 && c.blue() < 60 && c.green() < 100; }, 12},
        // No text here: the place marker standing on the globe.
        PictureCase{"first_run", &CInitInstallation::Picture, QSize(72, 72), QRect(36, 0, 28, 40),
                    [](QColor c) { return c.alpha() == 255 && c.red() > 200 && c.green() < 60; },
                    20}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace salvenor

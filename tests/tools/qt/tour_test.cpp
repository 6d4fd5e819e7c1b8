// The screenshot tour: its driver on simple windows, its installation folder, and the whole walk
// through the program on a real X display (Xvfb) where one can be had.
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "tests/support/fakes.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"
#include "tools/tour/installation.h"
#include "tools/tour/stages.h"
#include "tools/tour/tour.h"

namespace salvenor {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::TempDir;
using tour::Stage;
using tour::Tour;

// The distinct colours of a picture, counted up to `enough`.
int DistinctColours(const QImage& image, int enough) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> seen;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            seen.insert(line[x]);
            if (static_cast<int>(seen.size()) >= enough) {
                return enough;
            }
        }
    }
    return static_cast<int>(seen.size());
}

// A dialog with some text on it, opened modally by the stage.
void OpenDialog(const QString& title) {
    QDialog dialog;
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Next: Maghrib at 6:03 pm", &dialog));
    auto* next = new QPushButton("Next", &dialog);
    layout->addWidget(next);
    QObject::connect(next, &QPushButton::clicked, &dialog, [&dialog] {
        QDialog inner(&dialog);
        inner.setWindowTitle("inner");
        inner.resize(120, 80);
        inner.exec();
    });
    dialog.exec();
}

tour::Step Shot(const char* className, std::string name) {
    return {className, [name](Tour& t, QWidget& window) {
                t.Save(window, name);
                Tour::Close(window);
            }};
}

class TourDriverTest : public ::testing::Test {
  protected:
    int Run(std::vector<Stage> stages) {
        tour =
            std::make_unique<Tour>(QString::fromStdString(out.path().string()), std::move(stages));
        tour->Start();
        return QApplication::exec();
    }
    TempDir out;
    std::unique_ptr<Tour> tour;
};

TEST_F(TourDriverTest, SavesEachWindowInTurnAndEndsWithSuccess) {
    std::vector<std::string> opened;
    const int status = Run({{"first",
                             [&](Tour&) {
                                 opened.push_back("first");
                                 OpenDialog("one");
                             },
                             {Shot("QDialog", "one")}},
                            {"second",
                             [&](Tour&) {
                                 opened.push_back("second");
                                 OpenDialog("two");
                             },
                             {Shot("QDialog", "two")}}});
    EXPECT_EQ(status, 0);
    EXPECT_THAT(opened, ElementsAre("first", "second"));
    EXPECT_THAT(tour->saved(), ElementsAre("one", "two"));
    EXPECT_TRUE(tour->failures().empty());
    for (const char* name : {"one.png", "two.png"}) {
        const QImage image(QString::fromStdString(out.file(name)));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_GT(DistinctColours(image, 4), 3) << name;  // the label's text is in the picture
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TourDriverTest, FollowsAWindowOpenedFromAnother) {
    const int status = Run({{"nested",
                             [](Tour&) { OpenDialog("outer"); },
                             {{"QDialog",
                               [](Tour& t, QWidget& window) {
                                   t.Save(window, "outer");
                                   auto* next = window.findChild<QPushButton*>();
                                   QTimer::singleShot(0, next, &QPushButton::click);
                               }},
                              {"QDialog", [](Tour& t, QWidget& window) {
                                   EXPECT_EQ(window.windowTitle(), "inner");
                                   t.Save(window, "inner");
                                   Tour::Close(window);
                                   QTimer::singleShot(0, window.parentWidget(), &QWidget::close);
                               }}}}});
    EXPECT_EQ(status, 0);
    EXPECT_THAT(tour->saved(), ElementsAre("outer", "inner"));
    const QImage inner(QString::fromStdString(out.file("inner.png")));
    EXPECT_EQ(inner.size(), QSize(120, 80));
}

TEST_F(TourDriverTest, AWindowOfAnotherClassIsAFailureAndIsClosed) {
    std::vector<std::string> after;
    const int status = Run({{"box",
                             [](Tour&) {
                                 QMessageBox box;
                                 box.setText("Cannot open the city database");
                                 box.exec();
                             },
                             {Shot("salvenor::CAbout", "about")}},
                            {"later", [&](Tour&) { after.push_back("later"); }, {}}});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(tour->saved().empty());
    ASSERT_EQ(tour->failures().size(), 1u);
    EXPECT_THAT(tour->failures()[0],
                HasSubstr("box: expected salvenor::CAbout, found QMessageBox"));
    EXPECT_THAT(after, ElementsAre("later"));  // the walk went on
    EXPECT_FALSE(fs::exists(out.path() / "about.png"));
}

TEST_F(TourDriverTest, PhotographsAPopUpMenu) {
    const int status = Run({{"menu",
                             [](Tour&) {
                                 QMenu menu;
                                 menu.addAction("&Setup...");
                                 menu.addAction("&Options...");
                                 menu.exec(QPoint(10, 10));
                             },
                             {{"QMenu",
                               [](Tour& t, QWidget& window) {
                                   t.Save(window, "menu");
                                   Tour::Close(window);
                               },
                               true}}}});
    EXPECT_EQ(status, 0);
    EXPECT_THAT(tour->saved(), ElementsAre("menu"));
    EXPECT_GT(DistinctColours(QImage(QString::fromStdString(out.file("menu.png"))), 4), 3);
}

TEST_F(TourDriverTest, AFolderThatCannotTakeThePictureIsAFailure) {
    tour = std::make_unique<Tour>(QString::fromStdString((out.path() / "missing").string()),
                                  std::vector<Stage>{});
    QLabel label("text");
    EXPECT_FALSE(tour->Save(label, "label"));
    EXPECT_TRUE(tour->saved().empty());
    EXPECT_EQ(tour->status(), 1);
}

TEST(TourInstallationTest, CopiesFoldersLinksFilesAndLeavesOldSettingsBehind) {
    TempDir stage;
    TempDir target;
    fs::create_directories(stage.path() / "Calendar" / "TEMP");
    std::ofstream(stage.file("Calendar/template.html")) << "<html>";
    std::ofstream(stage.file("world.sum")) << "database";
    std::ofstream(stage.file("zav.cfg")) << "a user's settings";
    std::ofstream(stage.file("salvenor.ini")) << "[notices]";
    EXPECT_EQ(tour::PrepareInstallation(stage.path(), target.path()), "");

    EXPECT_TRUE(fs::is_directory(target.path() / "Calendar" / "TEMP"));
    EXPECT_FALSE(fs::is_symlink(target.path() / "Calendar"));  // the program writes there
    EXPECT_EQ(testing::ReadBytes(target.file("Calendar/template.html")).size(), 6u);
    ASSERT_TRUE(fs::is_symlink(target.path() / "world.sum"));
    EXPECT_EQ(fs::read_symlink(target.path() / "world.sum"), stage.path() / "world.sum");
    EXPECT_FALSE(fs::exists(target.path() / "zav.cfg"));
    EXPECT_FALSE(fs::exists(target.path() / "salvenor.ini"));
}

TEST(TourInstallationTest, AMissingStageIsReported) {
    TempDir target;
    EXPECT_THAT(tour::PrepareInstallation(target.path() / "nothing", target.path()),
                HasSubstr("no staged installation folder"));
}

TEST(TourInstallationTest, TheConfigurationIsCairoAndLoads) {
    TempDir target;
    ASSERT_EQ(tour::WriteTourConfig(target.path()), "");
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    config.configPath = target.file("zav.cfg");
    ASSERT_EQ(config.OpenConfig(), CConfigFile::OpenResult::Loaded);  // read in full
    EXPECT_TRUE(boxes.entries.empty());
    EXPECT_EQ(config.countryName, "Egypt");
    EXPECT_EQ(config.cityName, "Cairo");
    EXPECT_EQ(config.gmtOffsetHours, 2);
    EXPECT_NEAR(config.latitude, 30.0444, 1e-6);
    EXPECT_EQ(config.topReminderShown, 1);  // no reminder window of its own at start
}

TEST(TourInstallationTest, AFolderThatCannotBeWrittenIsReported) {
    EXPECT_NE(tour::WriteTourConfig("/proc/no-such-folder"), "");
}

// Every picture the walk takes, and the least size a real one has.
struct Expected {
    const char* name;
    int minWidth;
    int minHeight;
};
constexpr Expected Pictures[] = {
    {"no_tray_notice", 200, 80},   {"bar", 176, 42},
    {"command_menu", 100, 120},    {"today", 400, 300},
    {"setup_city", 400, 250},      {"setup_advanced", 400, 250},
    {"location", 250, 120},        {"options_athan", 300, 200},
    {"options_dates", 300, 200},   {"month_hijri", 600, 400},
    {"month_gregorian", 600, 400}, {"month_find", 600, 400},
    {"athan", 300, 300},           {"reminder", 200, 200},
    {"about", 300, 200},           {"first_run", 300, 120},
    {"website_reminder", 200, 80}, {"not_supported", 250, 120},
};

TEST(TourTest, TheWalkNamesEveryPictureOnce) {
    std::vector<std::string> expected;
    for (const Expected& picture : Pictures) {
        expected.emplace_back(picture.name);
    }
    EXPECT_EQ(tour::ShotNames(), expected);
}

bool HaveXvfb() {
    return testing::RunCommand("command -v xvfb-run").exitStatus == 0;
}

// The whole program on an X display, into the build's tour folder.
TEST(TourTest, EveryWindowOfTheProgramIsPhotographed) {
    if (!HaveXvfb()) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    if (!fs::exists(fs::path(SALVENOR_STAGE_DIR) / "world.sum")) {
        GTEST_SKIP() << "built without the world city database";
    }
    const fs::path out = SALVENOR_TOUR_OUT_DIR;
    fs::remove_all(out);
    const testing::CommandResult run = testing::RunCommand(
        "xvfb-run -a env QT_QPA_PLATFORM=xcb " + testing::ShellQuoted(SALVENOR_TOUR) + " --out " +
        testing::ShellQuoted(out.string()));
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_THAT(run.output, ::testing::Not(HasSubstr("tour:")));

    std::set<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(out)) {
        files.insert(entry.path().filename().string());
    }
    EXPECT_EQ(files.size(), std::size(Pictures));
    for (const Expected& picture : Pictures) {
        SCOPED_TRACE(picture.name);
        const std::string file = std::string(picture.name) + ".png";
        EXPECT_EQ(files.count(file), 1u);
        const QImage image(QString::fromStdString((out / file).string()));
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), picture.minWidth);
        EXPECT_GE(image.height(), picture.minHeight);
        EXPECT_LT(image.width(), 1600);  // a window, not the whole screen
        // More than a blank window: text, frames and pictures.
        EXPECT_GE(DistinctColours(image, 12), 12);
    }
    // The bar keeps its fixed size.
    EXPECT_EQ(QImage(QString::fromStdString((out / "bar.png").string())).size(), QSize(176, 42));
}

// The main windows again in Arabic, laid out right to left (the README shows them from
// docs/arabic/).
TEST(TourTest, TheMainWindowsArePhotographedInArabic) {
    if (!HaveXvfb()) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    if (!fs::exists(fs::path(SALVENOR_STAGE_DIR) / "world.sum")) {
        GTEST_SKIP() << "built without the world city database";
    }
    const fs::path out = std::string(SALVENOR_TOUR_OUT_DIR) + "-ar";
    fs::remove_all(out);
    const testing::CommandResult run = testing::RunCommand(
        "xvfb-run -a env QT_QPA_PLATFORM=xcb " + testing::ShellQuoted(SALVENOR_TOUR) + " --out " +
        testing::ShellQuoted(out.string()) + " --language ar");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    for (const char* name : {"bar", "today", "options_athan", "athan"}) {
        SCOPED_TRACE(name);
        const QImage image(QString::fromStdString((out / (std::string(name) + ".png")).string()));
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(DistinctColours(image, 12), 12);
    }
    EXPECT_EQ(QImage(QString::fromStdString((out / "bar.png").string())).size(), QSize(176, 42));
}

// The README shows pictures from docs/screenshots/: each is there, each is one the tour takes,
// and none lies there unshown.
TEST(TourTest, TheReadmeShowsEveryCommittedPicture) {
    const fs::path root = SALVENOR_SOURCE_DIR;
    const std::string text = testing::ReadText(root / "README.md");
    const std::regex link(R"(\]\(docs/screenshots/([a-z_]+)\.png\))");
    std::set<std::string> shown;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), link);
         it != std::sregex_iterator(); ++it) {
        shown.insert((*it)[1].str());
    }
    EXPECT_GE(shown.size(), 7u);
    const std::set<std::string> taken(tour::ShotNames().begin(), tour::ShotNames().end());
    std::set<std::string> committed;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "docs" / "screenshots")) {
        committed.insert(entry.path().stem().string());
        const QImage image(QString::fromStdString(entry.path().string()));
        EXPECT_FALSE(image.isNull()) << entry.path();
        EXPECT_GE(DistinctColours(image, 12), 12) << entry.path();
    }
    EXPECT_EQ(shown, committed);
    for (const std::string& name : shown) {
        EXPECT_EQ(taken.count(name), 1u) << name;
    }
}

}  // namespace
}  // namespace salvenor

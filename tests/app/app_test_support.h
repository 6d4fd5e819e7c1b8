// What the program's tests share: an installation folder with the small world database, a
// valid configuration file on request, the recording seams, the program started there, and a
// way to choose from the menu that opens next.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/prayer_app.h"
#include "bar/prayer_bar_dlg.h"
#include "core/local_time.h"
#include "tests/support/config_records.h"
#include "tests/support/fakes.h"
#include "tests/support/modal_script.h"
#include "tests/support/temp_dir.h"
#include "tests/support/time_zone.h"
#include "tests/windows/city_selection_page_test_support.h"
#include "windows/city_selection_page.h"
#include "windows/setup_sheet.h"

namespace salvenor::testing {

class AppTest : public ::testing::Test {
  protected:
    // Saves a valid configuration file in the folder, changed by `change`.
    void WriteConfig(const std::function<void(ConfigRecord&)>& change = {}) {
        RecordingMessageBoxes quiet;
        CConfigFile config(quiet);
        SetCairo(config);
        if (change) {
            change(config);
        }
        config.configPath = ConfigPath();
        config.SaveSettings();
        ASSERT_TRUE(quiet.entries.empty());
    }

    std::string ConfigPath() const { return folder.path() + "/zav.cfg"; }

    // Starts the program in the folder, or in `workingDirectory`.
    std::optional<int> Start(bool tray) { return StartIn(tray, folder.path()); }
    std::optional<int> StartIn(bool tray, const std::optional<std::string>& workingDirectory) {
        app = std::make_unique<CPrayerApp>(AppServices{
            clock, folder.boxes, sound, tray, [this](int status) { ended.push_back(status); },
            [this] { return trayAppears; }, &notifier});
        QObject::connect(app.get(), &CPrayerApp::quitRequested,
                         [this](int status) { quits.push_back(status); });
        return app->Start(workingDirectory);
    }

    // Starts on a valid file and lets the deferred start-up work run.
    CPrayerApp& Running(bool tray) {
        WriteConfig();
        EXPECT_EQ(Start(tray), std::nullopt);
        QCoreApplication::processEvents();
        folder.boxes.entries.clear();
        return *app;
    }

    CPrayerBarDlg& Bar() const { return *app->bar(); }

    ScopedTimeZone tz{"Africa/Cairo"};
    SettingsFolder folder;
    RecordingSoundPlayer sound;
    RecordingNotifier notifier;
    bool trayAppears = false;  // what the look for a late tray finds
    FakeClock clock{MakeLocal(2024, 1, 15, 10, 0, 0)};
    std::vector<int> ended;  // the immediate ends asked for
    std::vector<int> quits;  // the orderly ends asked for
    std::unique_ptr<CPrayerApp> app;
};

// A menu's rows: "-" for a separator, else the label, "[x]" after a checked one and
// "(off)" after a disabled one.
inline std::vector<std::string> MenuRows(const QMenu& menu) {
    std::vector<std::string> rows;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            rows.push_back("-");
            continue;
        }
        std::string row = action->text().toStdString();
        if (action->isChecked()) {
            row += " [x]";
        }
        if (!action->isEnabled()) {
            row += " (off)";
        }
        rows.push_back(row);
    }
    return rows;
}

// When the next pop-up menu is up: records its rows and clicks the item labelled `choice` (an
// empty choice closes the menu without choosing).
class NextMenu {
  public:
    explicit NextMenu(QString choice) : choice_(std::move(choice)) {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    ~NextMenu() { EXPECT_TRUE(seen_) << "no menu opened"; }
    NextMenu(const NextMenu&) = delete;
    NextMenu& operator=(const NextMenu&) = delete;

    std::vector<std::string> rows;

  private:
    void Poll() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || !menu->isVisible()) {
            return;
        }
        timer_.stop();
        seen_ = true;
        rows = MenuRows(*menu);
        for (QAction* action : menu->actions()) {
            if (!choice_.isEmpty() && action->text() == choice_) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
    }

    QString choice_;
    QTimer timer_;
    bool seen_ = false;
};

}  // namespace salvenor::testing

// salvenor-app: the prayer bar over the configuration of the installation folder, which is the
// working directory (the launcher starts it there).
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMenu>

#include "bar/prayer_bar_dlg.h"
#include "config/config_file.h"
#include "core/texts.h"
#include "platform/clock.h"
#include "platform/qt/first_shown_reporter.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_sound_player.h"
#include "windows/day_sala_time_dlg.h"
#include "windows/setup_sheet.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(salvenor::texts::AppTitle);
    // The bar is a tool window and others come and go; the program ends by its own commands.
    QApplication::setQuitOnLastWindowClosed(false);

    const salvenor::SystemClock clock;
    salvenor::QtMessageBoxes boxes;
    salvenor::QtSoundPlayer sound;
    salvenor::CConfigFile config(boxes);
    config.configPath = QDir::currentPath().toStdString() + "/" + salvenor::ConfigFileName;
    if (config.OpenConfig() == salvenor::CConfigFile::OpenResult::NeedsFirstRun) {
        // Until first-run setup can ask, run on its defaults, following the system's zone, and
        // save nothing.
        salvenor::ApplyFirstRunDefaults(config);
        config.followWindowsZone = 1;
    }
    if (config.followWindowsZone != 0) {
        config.FollowSystemZone(clock.now());
    }

    salvenor::CPrayerBarDlg bar(config, clock, sound, boxes);
    const std::string installationFolder = QDir::currentPath().toStdString();
    bar.onFaceClicked = [&] {
        salvenor::OpenTodayWindow(&bar, config, boxes, clock, installationFolder);
    };
    bar.onFaceDoubleClicked = bar.onFaceClicked;
    bar.onMenuButton = [&] {
        QMenu menu(&bar);
        const QAction* setup = menu.addAction(QString::fromUtf8(salvenor::texts::SetupCommand));
        menu.addSeparator();
        const QAction* exit = menu.addAction(QString::fromUtf8(salvenor::texts::ExitCommand));
        const QAction* chosen = menu.exec(QCursor::pos());
        if (chosen == setup) {
            // The pages save their own fields; the chosen place is saved with them, and the
            // schedule follows it at once.
            const salvenor::SetupSheetResult result = salvenor::RunSetupSheet(
                &bar, config, boxes, clock, installationFolder, salvenor::SetupSheetMode::Setup);
            salvenor::ApplySetupResult(config, result);
            if (result.accepted) {
                bar.RestartSchedule();
            }
        } else if (chosen == exit) {
            QCoreApplication::exit(0);
        }
    };
    const salvenor::FirstShownReporter reporter(bar);
    bar.Start();
    return QApplication::exec();
}

// salvenor-app: the program, run with its installation folder as the working directory (the
// launcher starts it there).
#include <QApplication>
#include <QSystemTrayIcon>
#include <cstdio>
#include <cstdlib>

#include "app/prayer_app.h"
#include "core/texts.h"
#include "platform/clock.h"
#include "platform/qt/language.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_sound_player.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(salvenor::texts::AppTitle);
    // The bar is a tool window and others come and go; the program ends by its own commands.
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows' language: the one chosen on the Options sheet, or the system's.
    const std::optional<std::string> folder = salvenor::CurrentDirectory();
    if (folder.has_value()) {
        const salvenor::SettingsFile settings(*folder + "/" + salvenor::SettingsFileName);
        salvenor::InstallLanguage(
            *folder,
            salvenor::LanguageOf(salvenor::SavedLanguageChoice(settings), QLocale::system()));
    }

    const salvenor::SystemClock clock;
    salvenor::QtMessageBoxes boxes;
    salvenor::QtSoundPlayer sound;
    // The command menu's exit ends the process at once: nothing is open that needs closing (every
    // file is closed after each operation), and no window is torn down on the way.
    salvenor::CPrayerApp app(
        {clock, boxes, sound, QSystemTrayIcon::isSystemTrayAvailable(), [](int status) {
             std::fflush(nullptr);
             std::_Exit(status);
         }});
    QObject::connect(&app, &salvenor::CPrayerApp::quitRequested, &application,
                     &QCoreApplication::exit);
    if (const std::optional<int> status = app.Start(folder)) {
        return *status;
    }
    return QApplication::exec();
}
